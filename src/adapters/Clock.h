#pragma once

#include <cstdint>

// The time base of the adapters. The program uses the machine's steady clock; the
// simulators and the tests use a modelled clock that moves only when something happens,
// so no result depends on how fast the machine is.
class Clock {
  public:
    virtual ~Clock() = default;
    // Microseconds since an arbitrary start; never goes backwards.
    virtual std::int64_t NowMicroseconds() = 0;
    // Blocks for the given time (the USB waits between report fetches).
    virtual void SleepMilliseconds(int milliseconds) = 0;
    // A counted delay loop of `passes` passes, the bus timing's only time base: the
    // machine's clock runs the loop, a modelled clock charges its modelled cost instead, so
    // a simulated bus never spins however many waitstates it is given.
    virtual void CountedPasses(std::int64_t passes) = 0;

    std::int64_t NowMilliseconds() { return NowMicroseconds() / 1000; }
};

// The machine's monotonic clock.
class SteadyClock : public Clock {
  public:
    std::int64_t NowMicroseconds() override;
    void SleepMilliseconds(int milliseconds) override;
    void CountedPasses(std::int64_t passes) override;
};

// A clock that moves only when told: by sleeps, by the simulated devices (one step per
// port access) and, at a chosen cost, by counted delay loops.
class ModelledClock : public Clock {
  public:
    std::int64_t NowMicroseconds() override { return nowNanoseconds_ / 1000; }
    void SleepMilliseconds(int milliseconds) override {
        if (milliseconds > 0) {
            nowNanoseconds_ += static_cast<std::int64_t>(milliseconds) * 1000000;
        }
    }
    void CountedPasses(std::int64_t passes) override {
        passes_ += passes;
        nowNanoseconds_ += passes * passNanoseconds_;
    }

    void Advance(std::int64_t microseconds) { nowNanoseconds_ += microseconds * 1000; }
    // Modelled cost of one pass of a counted delay loop (default 0: loops take no time).
    void SetPassNanoseconds(std::int64_t nanoseconds) { passNanoseconds_ = nanoseconds; }
    std::int64_t passes() const { return passes_; }

  private:
    std::int64_t nowNanoseconds_ = 0;
    std::int64_t passNanoseconds_ = 0;
    std::int64_t passes_ = 0;
};
