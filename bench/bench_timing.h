// Timing helper shared by the benchmark programs.
#pragma once
#include <chrono>

namespace bench {

// Runs op(run) until about budget has passed (at least minRuns times) and
// returns microseconds per run.
template <typename Op> double perRun(Op&& op, std::chrono::milliseconds budget, int minRuns) {
    using Clock = std::chrono::steady_clock;
    int runs = 0;
    auto start = Clock::now();
    auto until = start + budget;
    while (runs < minRuns || Clock::now() < until) {
        op(runs);
        ++runs;
    }
    std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    return spent.count() / runs;
}

} // namespace bench
