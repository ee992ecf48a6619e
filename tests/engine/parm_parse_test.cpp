// The two readers of the parameter part, driven on their own as RepairSql
// would call them.
#include <string>

#include "engine/parm_parse.h"
#include "engine_test_support.h"

namespace morwick::test {
namespace {

struct ParseCase {
  const char* name;
  std::string parmText;
  Entries entries;
};

class ParseTest : public EngineTest {
 protected:
  void Verify(void (*parser)(RepairWork&), const ParseCase& c) {
    SCOPED_TRACE(c.name);
    work->PQ.Empty();
    work->PQ.Clear();
    SetParmText(c.parmText);
    parser(*work);
    EXPECT_EQ(QueueEntries(), c.entries);
    EXPECT_TRUE(host.stops.empty());
  }
};

TEST_F(ParseTest, Positional) {
  const ParseCase cases[] = {
      {"values, a quoted comma, a skipped variable and a line end",
       ",5,N'x,y',@v out,7\r\nselect @v",
       {{1, "5"}, {2, "N'x,y'"}, {3, "7"}}},
      {"empty", "", {}},
      {"a space after a comma is a value of its own", ", 5, N'x'\r\n", {{1, " "}, {2, "5"}, {3, " "}, {4, "N'x'"}}},
      {"an empty argument takes no number", ",5,,6\r\n", {{1, "5"}, {2, "6"}}},
      {"only the text before the first comma is passed over", ",N'@P1 int',5\r\n", {{1, "N'@P1 int'"}, {2, "5"}}},
      {"a space ends a value and stays with it", ",5,N'a' x\r\n", {{1, "5"}, {2, "N'a' "}, {3, "x"}}},
      {"a line end inside quotes belongs to the value", ",N'a\r\nb'\r\n", {{1, "N'a\r\nb'"}}},
      {"output variables are passed over", ",@p1 out,@p2 out,5\r\n", {{1, "5"}}},
      {"the value at the very end is taken", ",5,6", {{1, "5"}, {2, "6"}}},
      {"a trailing comma adds nothing", ",5,6,", {{1, "5"}, {2, "6"}}},
      {"a trailing empty argument adds nothing", ",5,,", {{1, "5"}}},
      {"a skipped argument at the end adds nothing", ",5,@p1 out", {{1, "5"}}},
      {"an unclosed literal at the end is still a value", ",5,'a,b", {{1, "5"}, {2, "'a,b"}}},
      {"no comma at all", "5", {}},
  };
  for (const ParseCase& c : cases) Verify(ParsePositionalParms, c);
}

TEST_F(ParseTest, PositionalLeavesTheUnreadRest) {
  SetParmText(",5,N'x,y',@v out,7\r\nselect @v");
  ParsePositionalParms(*work);
  EXPECT_EQ(work->ParmText.Text(), "7\r\nselect @v");
}

TEST_F(ParseTest, PositionalCountsFromTheFirstNumberItIsGiven) {
  work->FirstParmNo = 0;
  Verify(ParsePositionalParms, {"zero-based", ",N'EMEA',1000\r\n", {{0, "N'EMEA'"}, {1, "1000"}}});
}

TEST_F(ParseTest, PositionalNumbersWrapAfter255) {
  std::string text;
  for (int i = 1; i <= 257; ++i) text += "," + std::to_string(i);
  SetParmText(text);
  ParsePositionalParms(*work);
  const Entries entries = QueueEntries();
  ASSERT_EQ(entries.size(), 257u);
  EXPECT_EQ(entries[254], (std::pair<int, std::string>{255, "255"}));
  EXPECT_EQ(entries[255], (std::pair<int, std::string>{0, "256"}));
  EXPECT_EQ(entries[256], (std::pair<int, std::string>{1, "257"}));
}

TEST_F(ParseTest, PositionalKeepsALongValueWhole) {
  const std::string value(450, '7');
  Verify(ParsePositionalParms, {"450 characters", "," + value + "\r\n", {{1, value}}});
}

TEST_F(ParseTest, Named) {
  const ParseCase cases[] = {
      {"declarations are cut away, then assignments", ",N'@0 int,@1 char(9)',@0=5,@1=N'a b'", {{0, "5"}, {1, "'a b'"}}},
      {"a named call as captured",
       ",N'@p0 nvarchar(256),@p1 int',@p0=N'ann@example.com',@p1=12",
       {{0, "'ann@example.com'"}, {1, "12"}}},
      {"only the first three digits count", ",@p1234=5", {{123, "5"}}},
      {"a name without digits is number 0", ",@x=5", {{0, "5"}}},
      {"numbers keep their low 8 bits", ",@300=5", {{44, "5"}}},
      {"only an upper-case N is dropped", ",@1=n'x'", {{1, "n'x'"}}},
      {"a space after the equals sign is a value", ",@1= 5", {{1, " "}}},
      {"without a comma nothing is stored", "@1=5", {}},
      {"a line end closes the list", ",@0=5\r\n@1=6", {{0, "5"}}},
      {"the name runs up to the equals sign", ",@a1 x @b2=5", {{12, "5"}}},
      {"empty", "", {}},
  };
  for (const ParseCase& c : cases) Verify(ParseNamedParms, c);
}

TEST_F(ParseTest, FailedAppendShowsTheStopMessageAndGoesOn) {
  work->PQ = ParmQueue(1);
  SetParmText(",5,6,7\r\n");
  ParsePositionalParms(*work);
  EXPECT_EQ(QueueEntries(), (Entries{{1, "5"}}));
  EXPECT_EQ(host.stops, (std::vector<std::string>{"Add Q:Insufficient Memory", "Add Q:Insufficient Memory"}));
  // The buffer holds the last value taken, lost or not.
  EXPECT_EQ(work->PQ.Buffer().MyParm, "7");
}

}  // namespace
}  // namespace morwick::test
