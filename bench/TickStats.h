#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

// The cost of each tick, wall clock and the thread's CPU, kept apart for ticks that drew a new picture
// and ticks that found nothing changed; printed as median and 95th percentile.
class TickStats {
public:
    // Times one tick; the tick says whether it drew.
    template <class Tick>
    void Measure(Tick&& tick) {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpu();
        const bool drew = tick();
        const double wall =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - wallStart).count();
        const double cpu = ThreadCpu() - cpuStart;
        (drew ? changed_ : unchanged_).push_back({wall, cpu});
    }

    void Print(const char* who) const {
        Print(who, "changed", changed_);
        Print(who, "unchanged", unchanged_);
    }

private:
    struct Cost {
        double Wall, Cpu;
    };

    static double ThreadCpu() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
    }

    static double Percentile(std::vector<double> values, double fraction) {
        if (values.empty())
            return 0;
        std::sort(values.begin(), values.end());
        return values[std::min(values.size() - 1, size_t(fraction * double(values.size())))];
    }

    static void Print(const char* who, const char* kind, const std::vector<Cost>& costs) {
        std::vector<double> wall, cpu;
        for (const Cost& cost : costs) {
            wall.push_back(cost.Wall);
            cpu.push_back(cost.Cpu);
        }
        std::printf(
            "%-8s %-9s ticks %4zu   wall median %6.0f us  p95 %6.0f us   CPU median %6.0f us  p95 %6.0f us\n",
            who, kind, costs.size(), Percentile(wall, 0.5), Percentile(wall, 0.95), Percentile(cpu, 0.5),
            Percentile(cpu, 0.95));
    }

    std::vector<Cost> changed_, unchanged_;
};
