#include "adapters/Clock.h"

#include <chrono>
#include <thread>

std::int64_t SteadyClock::NowMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SteadyClock::SleepMilliseconds(int milliseconds) {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

// A volatile counter: the compiler must make every pass, so the loop keeps its length.
void SteadyClock::CountedPasses(std::int64_t passes) {
    volatile std::int64_t counter = passes;
    while (counter > 0) {
        counter = counter - 1;
    }
}
