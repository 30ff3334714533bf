#pragma once
// Timing a hot path against a baseline run in the same process. The machines
// these run on are shared and noisy, so each iteration times the baseline and
// the operation back to back by the thread's CPU time, and the benchmark
// reports the ratio of the two as well as the operation's own time. Register
// such benchmarks with ->UseManualTime().
#include <benchmark/benchmark.h>

#include <cstdint>
#include <ctime>

namespace notch::bench {

// Heap allocations made by this process so far (operator new in every form).
std::uint64_t AllocationCount();

inline double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs `operation` and `baseline` once per iteration. Counters: the
// baseline's time per run (baseline_us), the operation's time over the
// baseline's (ratio) and the operation's heap allocations per run (allocs).
template <typename Operation, typename Baseline>
void TimeAgainstBaseline(benchmark::State& state, Operation operation, Baseline baseline) {
  double operation_seconds = 0;
  double baseline_seconds = 0;
  std::uint64_t allocations = 0;
  for (auto _ : state) {
    const double before_baseline = ThreadCpuSeconds();
    baseline();
    const double before_operation = ThreadCpuSeconds();
    const std::uint64_t allocations_before = AllocationCount();
    operation();
    allocations += AllocationCount() - allocations_before;
    const double after = ThreadCpuSeconds();
    state.SetIterationTime(after - before_operation);
    baseline_seconds += before_operation - before_baseline;
    operation_seconds += after - before_operation;
  }
  if (state.iterations() == 0 || baseline_seconds <= 0) return;
  const double runs = static_cast<double>(state.iterations());
  state.counters["baseline_us"] = baseline_seconds / runs * 1e6;
  state.counters["ratio"] = operation_seconds / baseline_seconds;
  state.counters["allocs"] = static_cast<double>(allocations) / runs;
}

}  // namespace notch::bench
