// Whole repairs, and the pipeline's own steps: extraction, the choice of
// parser and the collapsing of doubled quotes.
#include <string>

#include "engine_test_support.h"

namespace morwick::test {
namespace {

class RepairTest : public EngineTest {};

TEST_F(RepairTest, CapturedCallWithPositionalValues) {
  EXPECT_EQ(Repair("exec p @h output,N'@P1 int,@P2 nvarchar(20)',N'SELECT a.id, a.name FROM customer a WHERE a.id = "
                   "@P1 AND a.name = @P2 ORDER BY a.name',5,N'O''Brien'\r\n"),
            "SELECT a.id, a.name\nFROM customer a\nWHERE a.id = 5 AND a.name = N'O''Brien'\nORDER BY a.name");
  EXPECT_EQ(host.debugLines, std::vector<std::string>{"KVZ-FixCnt=0\r\n"});
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.stops.empty());
}

TEST_F(RepairTest, TooShortTextIsNothingToFix) {
  for (const char* text : {"SELECT ", "1234567      ", "", " SELECT"}) {
    SCOPED_TRACE(text);
    host.messages.clear();
    EXPECT_EQ(Repair(text), Clipped(text));
    EXPECT_EQ(work->ClipOut.View(), work->ClipIn.View());
    EXPECT_EQ(host.messages, std::vector<std::string>{"Nothing to Fix"});
  }
  EXPECT_TRUE(host.debugLines.empty());
}

TEST_F(RepairTest, WholeRepairs) {
  struct Case {
    const char* name;
    std::string clip;
    std::string result;
  };
  const Case cases[] = {
      {"eight characters without a literal", "SELECT 1", "SELECT 1"},
      {"leading spaces count", "  SELECT", "  SELECT"},
      {"a lower-case opening keeps its case", "exec x n'select a from t where b = 1'", "select a\nfrom t\nwhere b = 1"},
      {"the first keyword in order wins wherever it stands",
       "exec x N'UPDATE t SET a = 1',N'SELECT b FROM u'", "SELECT b\nFROM u"},
      {"no opening when a space follows N', so all is one literal", "exec x N' SELECT a FROM t'",
       "exec x N' SELECT a FROM t'"},
      {"a doubled quote at the very end", "N'SELECT a FROM t WHERE b = ''", "SELECT a\nFROM t\nWHERE b = '"},
      {"the closing quote as the last character", "N'SELECT a FROM t'", "SELECT a\nFROM t"},
      {"a keyword inside a literal stays", "select a, b from t where x = 'a from b' order by a",
       "select a, b\nfrom t\nwhere x = 'a from b'\norder by a"},
      {"a literal in the statement",
       "exec sp_executesql N'SELECT Id FROM Notes WHERE Body = ''moved from archive where kept'' AND Id = @P1',N'@P1 "
       "int',8",
       "SELECT Id\nFROM Notes\nWHERE Body = 'moved from archive where kept' AND Id = 8"},
      {"spaces after commas in the parameter part",
       "exec sp_executesql N'SELECT * FROM Logs WHERE Level = @P1 AND Source = @P2', N'@P1 int, @P2 varchar(20)', 3, "
       "'web'\r\n",
       "SELECT *\nFROM Logs\nWHERE Level = 3 AND Source = 'web'"},
      {"a space after an equals sign", "exec x N'SELECT a FROM t WHERE a = @1',@1= 5", "SELECT a\nFROM t\nWHERE a = 5"},
      {"@p names with assignments are read by name",
       "exec sp_executesql N'UPDATE [Users] SET [Email] = @p0 WHERE [Id] = @p1;',N'@p0 nvarchar(256),@p1 "
       "int',@p0=N'ann@example.com',@p1=12",
       "UPDATE [Users] SET [Email] = 'ann@example.com'\nWHERE [Id] = 12;"},
      {"a declaration list before the values",
       "exec sp_executesql N'SELECT a FROM t WHERE id = @P1',N'@P1 int',5", "SELECT a\nFROM t\nWHERE id = 5"},
      {"a declaration list of several names",
       "exec sp_executesql N'SELECT a FROM t WHERE id = @P1 AND b = @P2',n'@P1 int,@P2 decimal(10,2)',4,19.99\r\n",
       "SELECT a\nFROM t\nWHERE id = 4 AND b = 19.99"},
      {"zero-based placeholders",
       "exec sp_prepexec @p1 output,N'@P0 varchar(8000),@P1 bigint',N'select * from invoices where region = @P0 and "
       "id > @P1',N'EMEA',1000\r\nselect @p1",
       "select *\nfrom invoices\nwhere region = N'EMEA' and id > 1000"},
      {"zero-based with two digits", "exec x N'SELECT a FROM t WHERE a = @P00 OR b = @P01',N'x',7",
       "SELECT a\nFROM t\nWHERE a = N'x' OR b = 7"},
      {"a value longer than 399 characters", "exec x N'SELECT a FROM t WHERE a = @P1',N'@P1 varbinary(max)',0x" +
                                                  std::string(800, 'F') + "\r\n",
       "SELECT a\nFROM t\nWHERE a = 0x" + std::string(800, 'F')},
      {"an @ only inside a literal goes to the named reader",
       "exec x N'SELECT a FROM t WHERE m = ''x@y''',@1=5", "SELECT a\nFROM t\nWHERE m = 'x@y'"},
      {"a name beginning with P is read as positional", "exec x N'SELECT a FROM t WHERE a = @Price',5",
       "SELECT a\nFROM t\nWHERE a = @Price"},
      {"CR LF outside literals pass through", "SELECT a\r\n  FROM t\r\n", "SELECT a\r\n \nFROM t\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Repair(c.clip), c.result);
    EXPECT_TRUE(host.stops.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(work->TextCut);
  }
}

TEST_F(RepairTest, ExtractionKeepsQuotesDoubledForTheNextStep) {
  SetStatement("exec x N'SELECT ''a'' FROM t',5,N'b'");
  work->Pos = 8;
  ExtractStatement(*work);
  EXPECT_EQ(Out(), "SELECT ''a'' FROM t");
  EXPECT_EQ(work->ParmText.Text(), ",5,N'b'");
  CollapseQuotes(*work);
  EXPECT_EQ(Out(), "SELECT 'a' FROM t");
}

TEST_F(RepairTest, CollapseQuotesPairsFromTheRightOfEachRun) {
  const std::pair<std::string, std::string> cases[] = {
      {"a''b", "a'b"}, {"a'''b", "a''b"}, {"a''''b", "a''b"}, {"a'''''b", "a'''b"}, {"'a'", "'a'"},
  };
  for (const auto& [before, after] : cases) {
    SCOPED_TRACE(before);
    SetStatement(before);
    CollapseQuotes(*work);
    EXPECT_EQ(Out(), after);
    EXPECT_EQ(work->TextLen, static_cast<int>(after.size()));
  }
}

TEST_F(RepairTest, PositionalAndNamedPlaceholdersTogetherAreReadPositionally) {
  EXPECT_EQ(Repair("exec x N'SELECT a FROM t WHERE a = @P1 AND b = @name',5"),
            "SELECT a\nFROM t\nWHERE a = 5 AND b = @name");
}

TEST_F(RepairTest, MissingValueShowsTheStopMessage) {
  EXPECT_EQ(Repair("exec sp_executesql N'SELECT a FROM t WHERE a = @P3',N'@P1 int',5"), "SELECT a\nFROM t\nWHERE a = 5");
  EXPECT_EQ(host.stops, std::vector<std::string>{"Error on Get Q Pointer:3/Entry Not Found"});
}

TEST_F(RepairTest, ParametersOfTheLastRepairAreNotReused) {
  Repair("exec x N'SELECT a FROM t WHERE a = @P1',5,6\r\n,9");
  EXPECT_EQ(Repair("SELECT x FROM t WHERE y = @P1"), "SELECT x\nFROM t\nWHERE y = @P1");
  EXPECT_TRUE(host.stops.empty());
}

TEST_F(RepairTest, AResultTooLongForTheBufferIsFlaggedAndTheFlagClearsOnTheNextRepair) {
  std::string statement = "SELECT a FROM t WHERE a IN (@P1";
  for (int i = 0; i < 60; ++i) statement += ",@P1";
  Repair("N'" + statement + ")'," + std::string(300, '9'));
  EXPECT_TRUE(work->TextCut);
  Repair("SELECT 1 FROM t");
  EXPECT_FALSE(work->TextCut);
}

TEST_F(RepairTest, LongLinesAreWrappedAndTraced) {
  std::string columns;
  for (int i = 0; i < 12; ++i) columns += (i ? ", column_" : "column_") + std::to_string(i);
  EXPECT_EQ(Repair("SELECT " + columns + " FROM t"),
            "SELECT column_0, column_1, column_2, column_3\n\t, column_4, column_5, column_6, column_7, column_8, "
            "column_9, column_10, column_11\nFROM t");
  EXPECT_EQ(host.debugLines,
            (std::vector<std::string>{"KVZ-SearchFor=\", \" ThisLen=46 Sub=SELECT column_0, column_1, column_2, column_3,\r\n",
                                      "KVZ-FixCnt=0\r\n"}));
}

}  // namespace
}  // namespace morwick::test
