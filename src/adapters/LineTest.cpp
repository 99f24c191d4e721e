#include "adapters/LineTest.h"

std::optional<LineTestOutcome> LineTest::RunStep() {
    const int step = next_++;
    if (step >= kLineTestPassedStep) {
        return LineTestOutcome{
            true, kLineTestPassedStep,
            Message::Numbered(txt::kLineTestPassed, {}, MessageIcon::Information)};
    }
    const LineTestStep& line = kLineTestSteps[static_cast<std::size_t>(step - 1)];
    bool level = false;
    if (line.line == BusLine::Sda) {
        bus_.SetSda(line.level);
        level = bus_.GetSda();
    } else {
        bus_.SetScl(line.level);
        level = bus_.GetScl();
    }
    if (const std::optional<PortFault>& fault = bus_.access().fault()) {
        return LineTestOutcome{false, step, PortFaultMessage(*fault)};
    }
    if (level != (line.level != 0)) {
        return LineTestOutcome{false, step, Message::Numbered(line.failure, {}, MessageIcon::Stop)};
    }
    return std::nullopt;
}

LineTestOutcome RunLineTest(LptI2cBus& bus, Clock& clock) {
    LineTest test(bus);
    for (;;) {
        if (std::optional<LineTestOutcome> outcome = test.RunStep()) {
            return *outcome;
        }
        clock.SleepMilliseconds(kLineTestStepWaitMs);
    }
}
