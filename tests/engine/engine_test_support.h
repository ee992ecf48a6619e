// A host that records what the engine shows and writes, and a fixture that
// owns one work record, for driving whole repairs or single stages.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/pipeline.h"

namespace morwick::test {

class RecordingHost : public RepairHost {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void Stop(std::string_view text) override { stops.emplace_back(text); }
  void DebugOutput(std::string_view line) override { debugLines.emplace_back(line); }

  std::vector<std::string> messages;
  std::vector<std::string> stops;
  std::vector<std::string> debugLines;
};

using Entries = std::vector<std::pair<int, std::string>>;

class EngineTest : public ::testing::Test {
 protected:
  // A whole repair of `clip`; returns ClipOut's text.
  std::string Repair(std::string_view clip) {
    EXPECT_FALSE(work->ClipIn.Store(clip).lostText);
    RepairSql(*work);
    return std::string(work->ClipOut.Text());
  }

  // Puts `text` into ClipOut as a stage finds it, with an exact TextLen.
  void SetStatement(std::string_view text) {
    EXPECT_FALSE(work->ClipOut.Store(text).lostText);
    work->TextLen = static_cast<int>(text.size());
  }

  void SetParmText(std::string_view text) { EXPECT_FALSE(work->ParmText.Store(text).lostText); }

  void SetSearch(std::string_view token, int tail = 0, int limit = 0) {
    EXPECT_FALSE(work->SearchFor.Store(token).lostText);
    work->SearchTail = tail;
    work->LineLimit = limit;
  }

  void Append(int number, std::string_view value) {
    work->PQ.Buffer().ParmNo = static_cast<std::uint8_t>(number);
    work->PQ.Buffer().MyParm = value;
    ASSERT_TRUE(work->PQ.Append());
  }

  Entries QueueEntries() const {
    Entries out;
    for (const ParmEntry& e : work->PQ.Entries()) out.emplace_back(e.ParmNo, e.MyParm);
    return out;
  }

  std::string Out() const { return std::string(work->ClipOut.Text()); }

  RecordingHost host;
  std::unique_ptr<RepairWork> work = std::make_unique<RepairWork>(host);
};

}  // namespace morwick::test
