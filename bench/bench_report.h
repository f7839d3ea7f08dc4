#pragma once

// Runs a piece of work a number of rounds and prints its median and best
// times, in the unit given (1e3: microseconds, 1e6: milliseconds).

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

template <typename Work>
void Report(const char* name, int rounds, double nanosPerUnit, const char* unit, Work work) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / nanosPerUnit);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-40s median %8.1f %s   best %8.1f %s   (%d rounds)\n", name,
                times[times.size() / 2], unit, times.front(), unit, rounds);
}
