#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace quobix::bench {

struct Timing {
    double medianMicroseconds;
    double minMicroseconds;
};

// Runs work once to warm up, then times `runs` calls of it and prints the median and the
// fastest call in microseconds under the given name.
template <typename Work> Timing TimeRuns(const char* name, int runs, Work&& work)
{
    using Clock = std::chrono::steady_clock;
    work();
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(std::max(runs, 1)));
    for (int i = 0; i < std::max(runs, 1); ++i) {
        const auto start = Clock::now();
        work();
        const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
        samples.push_back(elapsed.count());
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
    const Timing timing { median, samples.front() };
    std::printf("%-40s runs %6d  median %10.2f us  min %10.2f us\n", name, static_cast<int>(n),
        timing.medianMicroseconds, timing.minMicroseconds);
    return timing;
}

} // namespace quobix::bench
