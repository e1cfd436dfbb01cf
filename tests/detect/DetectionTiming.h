#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>

// The best of several runs, as wall time and as this thread's CPU time (user and system). The budget is
// checked on CPU time: on a shared build machine the wall time also measures the other jobs.
// The budget is for the shipped build; sanitizer instrumentation multiplies the cost of every file read.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kDetectionBudgetApplies = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kDetectionBudgetApplies = false;
#else
inline constexpr bool kDetectionBudgetApplies = true;
#endif
#else
inline constexpr bool kDetectionBudgetApplies = true;
#endif
inline constexpr double kDetectionBudgetMs = 20.0;

struct DetectionTiming {
    double wallMs = 1e9;
    double cpuMs = 1e9;
};

template <typename Detection> DetectionTiming bestDetectionTiming(int runs, Detection detection)
{
    const auto cpuNow = [] {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
    };
    DetectionTiming best;
    for (int run = 0; run < runs; ++run) {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = cpuNow();
        detection();
        best.cpuMs = std::min(best.cpuMs, cpuNow() - cpuStart);
        best.wallMs = std::min(
            best.wallMs,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart).count());
    }
    return best;
}
