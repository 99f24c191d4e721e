#pragma once

#include "adapters/Clock.h"
#include "adapters/TransferEngine.h"

// The elapsed time of one transfer in whole seconds, from the moment it began.
class TransferEngine::Timer {
  public:
    explicit Timer(Clock& clock) : clock_(clock), start_(clock.NowMilliseconds()) {}
    int Seconds() const { return static_cast<int>((clock_.NowMilliseconds() - start_) / 1000); }

  private:
    Clock& clock_;
    std::int64_t start_;
};
