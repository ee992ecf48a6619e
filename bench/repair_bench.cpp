// Whole repairs of typical and worst-case clipboard texts, so that a change
// to a stage shows up as time per repair.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/pipeline.h"

namespace {

class QuietHost : public morwick::RepairHost {
 public:
  void ShowMessage(std::string_view) override {}
  void Stop(std::string_view) override {}
  void DebugOutput(std::string_view line) override { benchmark::DoNotOptimize(line.data()); }
};

void RunRepair(benchmark::State& state, const std::string& clip) {
  QuietHost host;
  auto work = std::make_unique<morwick::RepairWork>(host);
  (void)work->ClipIn.Store(clip);
  for (auto _ : state) {
    morwick::RepairSql(*work);
    benchmark::DoNotOptimize(work->ClipOut.View().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(clip.size()));
}

// A captured call of the usual size.
void BM_TypicalCall(benchmark::State& state) {
  RunRepair(state,
            "exec p @h output,N'@P1 int,@P2 nvarchar(20)',N'SELECT a.id, a.name FROM customer a WHERE a.id = "
            "@P1 AND a.name = @P2 ORDER BY a.name',5,N'O''Brien'\r\n");
}
BENCHMARK(BM_TypicalCall);

// A wide select list: many wrap breaks, each with its debug line.
void BM_WideSelect(benchmark::State& state) {
  std::string sql = "exec sp_executesql N'SELECT ";
  for (int i = 0; i < 1200; ++i) sql.append("t.column_").append(std::to_string(i)).append(", ");
  sql += "t.last FROM t WHERE t.id = @P1',N'@P1 int',5\r\n";
  RunRepair(state, sql);
}
BENCHMARK(BM_WideSelect);

// Thousands of placeholders near the size limit, each replaced in turn.
void BM_ManyPlaceholders(benchmark::State& state) {
  std::string sql = "exec sp_executesql N'SELECT * FROM t WHERE a IN (";
  for (int i = 0; i < 2400; ++i) sql.append("@P").append(std::to_string(1 + i % 99)).append(",");
  sql += "@P1)',N'@P1 int'";
  for (int i = 1; i <= 99; ++i) sql.append(",").append(std::to_string(i * 1000));
  sql += "\r\n";
  RunRepair(state, sql);
}
BENCHMARK(BM_ManyPlaceholders);

// A long run of doubled quotes and literal line breaks.
void BM_QuotesAndBreaks(benchmark::State& state) {
  std::string sql = "exec sp_executesql N'SELECT ";
  for (int i = 0; i < 900; ++i) sql += "''a''''b\r\nc'', ";
  sql += "1 FROM t'\r\n";
  RunRepair(state, sql);
}
BENCHMARK(BM_QuotesAndBreaks);

}  // namespace

BENCHMARK_MAIN();
