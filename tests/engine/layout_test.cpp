// Clause breaks, line wrapping and the removal of line breaks inside
// literals, each driven on its own.
#include <string>

#include "engine/layout.h"
#include "engine_test_support.h"

namespace morwick::test {
namespace {

class BreakClausesTest : public EngineTest {
 protected:
  std::string Break(std::string_view token, std::string_view text) {
    SetStatement(text);
    SetSearch(token);
    BreakClauses(*work);
    EXPECT_EQ(work->TextLen, static_cast<int>(text.size()));
    return Out();
  }
};

TEST_F(BreakClausesTest, BreaksEveryOccurrenceWhateverItsCase) {
  EXPECT_EQ(Break(" FROM ", "SELECT a FROM t1 UNION SELECT b from t2"), "SELECT a\nFROM t1 UNION SELECT b\nfrom t2");
  EXPECT_EQ(work->Pos, 0);
}

TEST_F(BreakClausesTest, Cases) {
  struct Case {
    const char* name;
    std::string_view token;
    std::string text;
    std::string result;
  };
  const Case cases[] = {
      {"no occurrence", " WHERE ", "SELECT a FROM t", "SELECT a FROM t"},
      {"a keyword after a line break does not match", " FROM ", "SELECT a\nFROM t", "SELECT a\nFROM t"},
      {"a keyword that ends the text", " FROM ", "SELECT * FROM", "SELECT *\nFROM"},
      {"inside a literal", " FROM ", "SELECT 'a from b' FROM t", "SELECT 'a from b'\nFROM t"},
      {"inside a doubled quote", " FROM ", "SELECT 'it''s from b' FROM t", "SELECT 'it''s from b'\nFROM t"},
      {"inside a double-quoted name", " FROM ", "SELECT \"a from b\" FROM t", "SELECT \"a from b\"\nFROM t"},
      {"inside a bracketed name", " WHERE ", "SELECT [x where y] FROM t WHERE 1", "SELECT [x where y] FROM t\nWHERE 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Break(c.token, c.text), c.result);
  }
}

TEST_F(BreakClausesTest, AtMostThirtyAreBrokenAndQuotedOnesDoNotCount) {
  std::string text = "x 'a where b'";
  std::string expected = text;
  for (int i = 0; i < 31; ++i) {
    text += " WHERE x";
    expected += (i < 30 ? "\nWHERE x" : " WHERE x");
  }
  EXPECT_EQ(Break(" WHERE ", text), expected);
}

class WrapLinesTest : public EngineTest {
 protected:
  void Wrap(std::string_view token, int tail, int limit) {
    SetSearch(token, tail, limit);
    WrapLines(*work);
  }
};

TEST_F(WrapLinesTest, ThreePassesBreakWhereTheRestOfTheLineIsLongEnough) {
  SetStatement("SELECT alpha, beta, gamma, delta");
  Wrap(", ", 1, 10);
  EXPECT_EQ(Out(), "SELECT alpha, beta\n\t, gamma, delta");
  EXPECT_EQ(work->TextLen, 34);
  Wrap(",", 0, 10);
  EXPECT_EQ(Out(), "SELECT alpha, beta\n\t, gamma, delta");
  Wrap(" ", 0, 10);
  EXPECT_EQ(Out(), "SELECT\n\t alpha, beta\n\t, gamma, delta");
  EXPECT_EQ(work->TextLen, 36);
  EXPECT_EQ(host.debugLines, (std::vector<std::string>{
                                 "KVZ-SearchFor=\", \" ThisLen=19 Sub=SELECT alpha, beta,\r\n",
                                 "KVZ-SearchFor=\" \" ThisLen=7 Sub=SELECT\r\n",
                             }));
}

TEST_F(WrapLinesTest, Cases) {
  struct Case {
    const char* name;
    std::string_view token;
    int tail;
    int limit;
    std::string text;
    std::string result;
  };
  const Case cases[] = {
      {"no line long enough", ", ", 1, 80, "SELECT a, b FROM t", "SELECT a, b FROM t"},
      {"rest of line exactly the limit", ", ", 1, 5, "xxxx, abc", "xxxx\n\t, abc"},
      {"rest of line one short", ", ", 1, 6, "xxxx, abc", "xxxx, abc"},
      {"a match at position 3 or less", ", ", 1, 2, "ab, cdef", "ab, cdef"},
      {"inside a literal", ", ", 1, 3, "xxxx 'a, b, c'", "xxxx 'a, b, c'"},
      {"inside a double-quoted name", " ", 0, 3, "xxxx \"a b c\"", "xxxx\n\t \"a b c\""},
      {"inside a bracketed name", " ", 0, 3, "xxxx [a b c]", "xxxx\n\t [a b c]"},
      {"a line break inside a literal does not end the line", " ", 0, 8, "xxxx 'a\nbcdefg'", "xxxx\n\t 'a\nbcdefg'"},
      {"a line break outside does", " ", 0, 8, "xxxx a\nbcdefg", "xxxx a\nbcdefg"},
      {"commas inside parentheses stay", ", ", 1, 10, "WHERE (a = 1 AND b = 2 AND c = 3, d)",
       "WHERE (a = 1 AND b = 2 AND c = 3, d)"},
      {"AND inside parentheses breaks", " AND ", 4, 10, "WHERE (a = 1 AND b = 2 AND c = 3, d)",
       "WHERE (a = 1\n\t AND b = 2\n\t AND c = 3, d)"},
      {"the token is matched in any case", " OR ", 3, 5, "xxxx or yyyy", "xxxx\n\t or yyyy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetStatement(c.text);
    Wrap(c.token, c.tail, c.limit);
    EXPECT_EQ(Out(), c.result);
    EXPECT_EQ(work->TextLen, static_cast<int>(c.result.size()));
  }
}

TEST_F(WrapLinesTest, NoBreakNoTraceLine) {
  SetStatement("SELECT a, b FROM t");
  Wrap(", ", 1, 80);
  EXPECT_TRUE(host.debugLines.empty());
}

TEST_F(WrapLinesTest, APassStopsOnceTheTextReachesTheLimit) {
  // Every comma qualifies, but the second break brings the text to 14999.
  std::string text(kBufferSize - 5 - 8, 'x');
  text += ",a,b,c,d";
  SetStatement(text);
  Wrap(",", 0, 1);
  EXPECT_EQ(work->TextLen, kBufferSize - 1);
  EXPECT_EQ(Out().substr(Out().size() - 12), ",a,b\n\t,c\n\t,d");
  EXPECT_FALSE(work->TextCut);
}

TEST_F(WrapLinesTest, APassThatStartsAtTheLimitBreaksNothing) {
  std::string text(kBufferSize - 10, 'x');
  text += ", a, b, c";
  SetStatement(text);
  Wrap(", ", 1, 2);
  EXPECT_EQ(Out(), text);
  EXPECT_FALSE(work->TextCut);
}

class DropQuotedBreaksTest : public EngineTest {
 protected:
  std::string Drop(std::string_view text) {
    SetStatement(text);
    DropQuotedBreaks(*work);
    EXPECT_EQ(work->TextLen, static_cast<int>(Out().size()));
    return Out();
  }
};

TEST_F(DropQuotedBreaksTest, RemovesBreaksInsideLiteralsAndNamesAndCountsThem) {
  EXPECT_EQ(Drop("SELECT 'line1\r\nline2' AS [my\ncol]\nFROM t"), "SELECT 'line1line2' AS [mycol]\nFROM t");
  EXPECT_EQ(host.debugLines, std::vector<std::string>{"KVZ-FixCnt=3\r\n"});
}

TEST_F(DropQuotedBreaksTest, Cases) {
  struct Case {
    const char* name;
    std::string text;
    std::string result;
  };
  const Case cases[] = {
      {"nothing quoted", "SELECT a\r\nFROM t", "SELECT a\r\nFROM t"},
      {"the last character always stays", "SELECT 'abc\n", "SELECT 'abc\n"},
      {"a quote inside a double-quoted name", "SELECT \"it's\nx\" AS c\nFROM t", "SELECT \"it'sx\" AS cFROM t"},
      {"a doubled quote keeps the literal open", "SELECT 'it''s\nx' FROM t", "SELECT 'it''sx' FROM t"},
      {"right after the opening quote is inside", "SELECT '\nx'\n", "SELECT 'x'\n"},
      {"right after the closing quote is outside", "SELECT 'x'\nFROM t", "SELECT 'x'\nFROM t"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Drop(c.text), c.result);
  }
}

TEST_F(DropQuotedBreaksTest, TracesTheCountEvenWhenZero) {
  Drop("SELECT a FROM t");
  Drop("x 'a\r\nb' y");
  EXPECT_EQ(host.debugLines, (std::vector<std::string>{"KVZ-FixCnt=0\r\n", "KVZ-FixCnt=2\r\n"}));
}

TEST_F(DropQuotedBreaksTest, FlagsLeftByAnEarlierStageDoNotCount) {
  work->InQuote = true;
  work->InBracket = true;
  EXPECT_EQ(Drop("SELECT a\nFROM t"), "SELECT a\nFROM t");
}

}  // namespace
}  // namespace morwick::test
