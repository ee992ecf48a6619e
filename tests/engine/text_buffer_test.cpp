// The store rules every stage builds on, and the debug line format.
#include <string>

#include "engine_test_support.h"

namespace morwick::test {
namespace {

TEST(SpaceBufferTest, StoreFillsWithSpacesAndReportsWhatFellOff) {
  struct Case {
    const char* name;
    std::string text;
    std::string_view kept;
    int dropped;
    bool lostText;
  };
  const Case cases[] = {
      {"short text is padded", "abc", "abc", 0, false},
      {"exact fit", "abcdefgh", "abcdefgh", 0, false},
      {"only spaces fall off", "abcdefgh   ", "abcdefgh", 3, false},
      {"text falls off", "abcdefghij", "abcdefgh", 2, true},
      {"a space then text falls off", "abcdefgh x", "abcdefgh", 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SpaceBuffer<8> buffer;
    const StoreResult r = buffer.Store(c.text);
    EXPECT_EQ(buffer.View().size(), 8u);
    EXPECT_EQ(buffer.Text(), c.kept);
    EXPECT_EQ(r.dropped, c.dropped);
    EXPECT_EQ(r.lostText, c.lostText);
  }
}

TEST(SpaceBufferTest, StoreMayReadFromItsOwnText) {
  SpaceBuffer<10> buffer;
  (void)buffer.Store("abcdefg");
  (void)buffer.Store(buffer.Slice(3, 7));
  EXPECT_EQ(buffer.View(), "cdefg     ");
}

TEST(SpaceBufferTest, ClippedFormDropsOnlySpaces) {
  SpaceBuffer<12> buffer;
  (void)buffer.Store(std::string("a\t\r\n\0b \t  ", 10));
  EXPECT_EQ(buffer.Text(), std::string_view("a\t\r\n\0b \t", 8));
  EXPECT_EQ(buffer.TextLen(), 8);
}

TEST(SpaceBufferTest, ReplaceCutsAtTheSizeAndSaysWhetherTextWasLost) {
  struct Case {
    const char* name;
    std::string before;
    int pos, count;
    std::string insert;
    std::string_view after;
    bool lostText;
  };
  const Case cases[] = {
      {"grows within the size", "ab@1cd", 3, 2, "xyz", "abxyzcd", false},
      {"shrinks", "ab@1cd", 3, 2, "", "abcd", false},
      {"tail falls off", "ab@1cdef", 3, 2, "xyzw", "abxyzwcd", true},
      {"end of the value falls off", "ab@1", 3, 2, "xyzwvut", "abxyzwvu", true},
      {"only spaces fall off", "ab@1", 3, 2, "xyzwvu  ", "abxyzwvu", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SpaceBuffer<8> buffer;
    (void)buffer.Store(c.before);
    const StoreResult r = buffer.Replace(c.pos, c.count, c.insert, static_cast<int>(c.before.size()));
    EXPECT_EQ(buffer.Text(), c.after);
    EXPECT_EQ(r.lostText, c.lostText);
  }
}

TEST(NulBufferTest, HoldsOneCharacterLessThanItsSize) {
  NulBuffer<5> buffer;
  EXPECT_TRUE(buffer.Empty());
  EXPECT_FALSE(buffer.Store("abcd").lostText);
  EXPECT_EQ(buffer.Text(), "abcd");
  const StoreResult r = buffer.Store("abcde");
  EXPECT_TRUE(r.lostText);
  EXPECT_EQ(r.dropped, 1);
  EXPECT_EQ(buffer.Text(), "abcd");
}

TEST(TextRulesTest, FirstOccurrence) {
  EXPECT_EQ(FirstOccurrence("abcabc", "bc"), 2);
  EXPECT_EQ(FirstOccurrence("abc", "x"), 0);
  EXPECT_EQ(FirstOccurrence("abc", ""), 0);
  EXPECT_EQ(FirstOccurrence("ab", "abc"), 0);
}

TEST(TextRulesTest, TokenEndingInASpaceMatchesAtTheEndOfAFilledBuffer) {
  SpaceBuffer<40> buffer;
  (void)buffer.Store("SELECT a FROM t WHERE");
  EXPECT_EQ(FirstOccurrence(buffer.View(), " WHERE "), 16);
}

TEST(TextRulesTest, EqualityIgnoresTrailingSpaces) {
  EXPECT_TRUE(EqualPadded(",", ", "));
  EXPECT_TRUE(EqualPadded("ab", "ab   "));
  EXPECT_FALSE(EqualPadded("ab", " ab"));
  EXPECT_FALSE(EqualPadded(",", ",,"));
}

TEST(TextRulesTest, UpperCopyMapsOnlyAsciiLetters) {
  EXPECT_EQ(UpperCopy("select \xE4\xF6 @p1_z{}"), "SELECT \xE4\xF6 @P1_Z{}");
}

TEST(TraceTest, LineIsCutAtTheBufferLineBreakFirst) {
  struct Case {
    int length;
    std::string_view ending;
    std::size_t lineSize;
  };
  const Case cases[] = {
      {493, "x\r\n", 499},
      {494, "x\r", 499},
      {495, "x", 499},
      {600, "x", 499},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    const std::string line = TraceLine(std::string(static_cast<std::size_t>(c.length), 'x') + "   ");
    EXPECT_EQ(line.size(), c.lineSize);
    EXPECT_EQ(line.substr(0, 5), "KVZ-x");
    EXPECT_EQ(line.substr(line.size() - c.ending.size()), c.ending);
  }
}

TEST(TraceTest, TrailingSpacesNeverReachTheLine) {
  EXPECT_EQ(TraceLine("Sub=SELECT   "), "KVZ-Sub=SELECT\r\n");
  EXPECT_EQ(TraceLine(""), "KVZ-\r\n");
}

}  // namespace
}  // namespace morwick::test
