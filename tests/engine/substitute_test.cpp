// Placeholders replaced by their values, right to left.
#include <string>

#include "engine/substitute.h"
#include "engine_test_support.h"

namespace morwick::test {
namespace {

struct SubstituteCase {
  const char* name;
  Entries queue;
  std::string statement;
  std::string result;
};

class SubstituteTest : public EngineTest {
 protected:
  void Verify(const SubstituteCase& c) {
    SCOPED_TRACE(c.name);
    work->PQ.Empty();
    for (const auto& [number, value] : c.queue) Append(number, value);
    SetStatement(c.statement);
    SubstituteParms(*work);
    EXPECT_EQ(Out(), c.result);
    EXPECT_EQ(work->TextLen, static_cast<int>(c.result.size()));
    EXPECT_EQ(work->Pos, 0);
    EXPECT_TRUE(host.stops.empty());
    EXPECT_FALSE(work->TextCut);
  }
};

TEST_F(SubstituteTest, Placeholders) {
  const Entries positional = {{1, "5"}, {2, "N'x,y'"}, {3, "7"}};
  const SubstituteCase cases[] = {
      {"positional values", positional, "a=@P2,b=@p1+@P3*@x", "a=N'x,y',b=5+7*@x"},
      {"named values, the last at the very end", {{0, "5"}, {1, "'a b'"}}, "x=@0 OR y=@1", "x=5 OR y='a b'"},
      {"no placeholder", positional, "SELECT 1 FROM t", "SELECT 1 FROM t"},
      {"a leading zero", {{7, "x"}}, "@P07+@P7", "x+x"},
      {"a third digit is not read", {{12, "5"}}, "@P123", "53"},
      {"not placeholders", positional, "@x @@ROWCOUNT @Px @", "@x @@ROWCOUNT @Px @"},
      {"inside a literal too", positional, "WHERE n = 'id @P1'", "WHERE n = 'id 5'"},
      {"a value is never examined again", {{1, "N'@P2'"}, {2, "9"}}, "a = @P1", "a = N'@P2'"},
      {"a value's own space stays", {{1, "N'x' "}}, "WHERE a=@P1 AND b=1", "WHERE a=N'x'  AND b=1"},
      {"two characters at the end", positional, "x=@1", "x=5"},
      {"three characters at the end", {{12, "7"}}, "x=@12", "x=7"},
      {"the same number twice", positional, "@P1+@P1", "5+5"},
      {"an empty value removes the placeholder", {{1, ""}}, "a@P1b", "ab"},
      {"a value ending in spaces at the very end", {{1, "5  "}}, "a=@P1", "a=5"},
  };
  for (const SubstituteCase& c : cases) Verify(c);
}

TEST_F(SubstituteTest, MissingEntryShowsTheStopMessageThenUsesTheBuffer) {
  Append(1, "5");
  Append(2, "6");
  SetStatement("@P1,@P3");
  SubstituteParms(*work);
  EXPECT_EQ(host.stops, std::vector<std::string>{"Error on Get Q Pointer:3/Entry Not Found"});
  EXPECT_EQ(Out(), "5,6");
}

TEST_F(SubstituteTest, PlaceholderZeroWithoutEntryZero) {
  Append(1, "5");
  SetStatement("a = @P0");
  SubstituteParms(*work);
  EXPECT_EQ(host.stops, std::vector<std::string>{"Error on Get Q Pointer:0/Entry Not Found"});
}

TEST_F(SubstituteTest, GrowingPastTheBufferIsReported) {
  const std::string head(kBufferSize - 10, 'a');
  Append(1, std::string(100, 'v'));
  SetStatement(head + " = @P1");
  SubstituteParms(*work);
  EXPECT_TRUE(work->TextCut);
  EXPECT_EQ(work->TextLen, kBufferSize);
  EXPECT_EQ(Out(), head + " = " + std::string(7, 'v'));
}

TEST_F(SubstituteTest, OnlySpacesPastTheBufferAreNoLoss) {
  const std::string head(kBufferSize - 6, 'a');
  Append(1, "5" + std::string(20, ' '));
  SetStatement(head + " = @P1");
  SubstituteParms(*work);
  EXPECT_FALSE(work->TextCut);
  EXPECT_EQ(Out(), head + " = 5");
}

}  // namespace
}  // namespace morwick::test
