#pragma once

#include <array>
#include <optional>

#include "adapters/AdapterTexts.h"
#include "adapters/Clock.h"
#include "adapters/LptI2cBus.h"
#include "common/Message.h"

// The line test of the parallel-port adapter: each step drives one output and reads its
// input back; the first input at the wrong level ends the test with that step's text.
enum class BusLine { Sda, Scl };

struct LineTestStep {
    BusLine line;
    int level;
    NumberedText failure;  // shown when the input does not read `level`
};

// Step 5 reads SCL-in, yet its text is the SDA one: the text itself names step 5's input.
inline constexpr std::array<LineTestStep, 6> kLineTestSteps{{
    {BusLine::Sda, 1, txt::kLineTestSdaWrong},
    {BusLine::Scl, 1, txt::kLineTestSclWrong},
    {BusLine::Scl, 0, txt::kLineTestSclWrong},
    {BusLine::Sda, 0, txt::kLineTestSdaWrong},
    {BusLine::Scl, 1, txt::kLineTestSdaWrong},
    {BusLine::Sda, 1, txt::kLineTestSdaWrong},
}};
// The step after the last line step: the test has passed.
inline constexpr int kLineTestPassedStep = static_cast<int>(kLineTestSteps.size()) + 1;
inline constexpr int kLineTestStepWaitMs = 500;

struct LineTestOutcome {
    bool passed = false;
    int step = 0;     // the failing step (1 to 6), or 7 when the test passed
    Message message;  // text 197, the failing step's text, or the failed port access
};

// The test one step at a time, so that a window can show the lines between the steps.
class LineTest {
  public:
    explicit LineTest(LptI2cBus& bus) : bus_(bus) {}

    // The number of the step RunStep runs next (1 to 7).
    int nextStep() const { return next_; }
    // Runs the next step: the outcome when the test ends with it, else nothing.
    std::optional<LineTestOutcome> RunStep();

  private:
    LptI2cBus& bus_;
    int next_ = 1;
};

// The whole test, waiting 500 ms on `clock` between the steps.
LineTestOutcome RunLineTest(LptI2cBus& bus, Clock& clock);
