// The parameter queue's operations and their failures.
#include <gtest/gtest.h>

#include <string>

#include "engine/parm_queue.h"

namespace morwick {
namespace {

void AppendValue(ParmQueue& q, int number, std::string value) {
  q.Buffer().ParmNo = static_cast<std::uint8_t>(number);
  q.Buffer().MyParm = std::move(value);
  ASSERT_TRUE(q.Append());
}

TEST(ParmQueueTest, FindOnAnEmptyQueueFailsAndKeepsTheBuffer) {
  ParmQueue q;
  EXPECT_EQ(q.Count(), 0u);
  q.Buffer().ParmNo = 4;
  q.Buffer().MyParm = "kept";
  EXPECT_FALSE(q.FindByNumber());
  EXPECT_EQ(q.Error(), "Entry Not Found");
  EXPECT_EQ(q.Buffer().MyParm, "kept");
}

TEST(ParmQueueTest, AppendCopiesTheBufferAndKeepsIt) {
  ParmQueue q;
  AppendValue(q, 1, "x");
  ASSERT_TRUE(q.Append());
  ASSERT_EQ(q.Count(), 2u);
  EXPECT_EQ(q.Entries()[1].MyParm, "x");
  EXPECT_EQ(q.Buffer().MyParm, "x");
}

TEST(ParmQueueTest, SortThenFindByNumber) {
  ParmQueue q;
  AppendValue(q, 3, "c");
  AppendValue(q, 1, "a");
  AppendValue(q, 2, "b");
  q.SortByNumber();
  ASSERT_EQ(q.Count(), 3u);
  EXPECT_EQ(q.Entries()[0].MyParm, "a");
  EXPECT_EQ(q.Entries()[2].MyParm, "c");
  q.Buffer().ParmNo = 2;
  ASSERT_TRUE(q.FindByNumber());
  EXPECT_EQ(q.Buffer().MyParm, "b");
}

TEST(ParmQueueTest, AmongSharedNumbersFindTakesTheFirstAppended) {
  ParmQueue q;
  AppendValue(q, 5, "second number");
  AppendValue(q, 1, "first");
  AppendValue(q, 1, "again");
  q.SortByNumber();
  q.Buffer().ParmNo = 1;
  ASSERT_TRUE(q.FindByNumber());
  EXPECT_EQ(q.Buffer().MyParm, "first");
}

TEST(ParmQueueTest, LongValueIsKeptWhole) {
  ParmQueue q;
  const std::string value(450, 'v');
  AppendValue(q, 1, value);
  q.Clear();
  q.Buffer().ParmNo = 1;
  ASSERT_TRUE(q.FindByNumber());
  EXPECT_EQ(q.Buffer().MyParm, value);
}

TEST(ParmQueueTest, FailedAppendAddsNothing) {
  ParmQueue q(1);
  AppendValue(q, 1, "a");
  q.Buffer().MyParm = "b";
  EXPECT_FALSE(q.Append());
  EXPECT_EQ(q.Error(), "Insufficient Memory");
  EXPECT_EQ(q.Count(), 1u);
}

TEST(ParmQueueTest, EmptyAndClear) {
  ParmQueue q;
  AppendValue(q, 7, "x");
  q.Empty();
  q.Clear();
  EXPECT_EQ(q.Count(), 0u);
  EXPECT_EQ(q.Buffer().ParmNo, 0);
  EXPECT_EQ(q.Buffer().MyParm, "");
}

}  // namespace
}  // namespace morwick
