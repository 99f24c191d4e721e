#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "adapters/LineTest.h"
#include "adapters/SimulatedCamPac.h"
#include "adapters/SimulatedFaults.h"
#include "support/ScriptedDialogs.h"

namespace {

struct FaultCase {
    const char* fault;  // empty: a good module
    bool passed;
    int step;
    int text;
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << (*c.fault != 0 ? c.fault : "good module");
}

class LineTestAgainstFaults : public testing::TestWithParam<FaultCase> {
  protected:
    LineTestAgainstFaults() : camPac(std::vector<Byte>(2048, 0xFF), AdapterKind::Lpt, dialogs) {}

    ScriptedDialogs dialogs;
    SimulatedCamPac camPac;
};

// The step and text each fault of the simulated module ends the test with.
TEST_P(LineTestAgainstFaults, EndsAtTheRightStepWithItsText) {
    const FaultCase& c = GetParam();
    if (*c.fault != 0) {
        SimulatedFaults faults;
        ASSERT_TRUE(AddSimulatedFault(c.fault, faults).ok());
        camPac.eeprom.faults() = faults.eeprom;
        camPac.port.SetAccessDenied(faults.portDenied);
    }
    const LineTestOutcome outcome = RunLineTest(camPac.bus, camPac.clock);
    EXPECT_EQ(outcome.passed, c.passed);
    EXPECT_EQ(outcome.step, c.step);
    EXPECT_EQ(outcome.message.text, c.text);
    EXPECT_TRUE(dialogs.shown.empty()) << "the caller shows the outcome";
}

INSTANTIATE_TEST_SUITE_P(
    EveryFault, LineTestAgainstFaults,
    testing::Values(FaultCase{"", true, 7, 197}, FaultCase{"sda-stuck-low", false, 1, 195},
                    FaultCase{"scl-stuck-low", false, 2, 196},
                    FaultCase{"scl-stuck-high", false, 3, 196}, FaultCase{"no-ack", true, 7, 197},
                    FaultCase{"write-protected", true, 7, 197},
                    FaultCase{"flip:0x10", true, 7, 197}, FaultCase{"port-denied", false, 1, 76}));

TEST(LineTest, APassingTestWaitsHalfASecondBetweenItsSevenSteps) {
    ScriptedDialogs dialogs;
    SimulatedCamPac camPac(std::vector<Byte>(256, 0xFF), AdapterKind::Lpt, dialogs);
    const std::int64_t before = camPac.clock.NowMicroseconds();
    EXPECT_TRUE(RunLineTest(camPac.bus, camPac.clock).passed);
    const std::int64_t waited = camPac.clock.NowMicroseconds() - before;
    // Six waits of 500 ms; the port accesses add a few modelled microseconds.
    EXPECT_GE(waited, 3000000);
    EXPECT_LT(waited, 3001000);
    // The lines rest released after the test.
    EXPECT_TRUE(camPac.port.scl());
    EXPECT_TRUE(camPac.port.sda());
}

TEST(LineTest, WithoutTheAdapterTheFloatingInputsFailTheThirdStep) {
    ScriptedDialogs dialogs;
    SimulatedCamPac camPac(std::vector<Byte>(256, 0xFF), AdapterKind::Lpt, dialogs);
    camPac.port.SetAdapterConnected(false);
    const LineTestOutcome outcome = RunLineTest(camPac.bus, camPac.clock);
    EXPECT_EQ(outcome.step, 3);
    EXPECT_EQ(outcome.message.text, 196);
}

TEST(LineTest, AFailedPortAccessIsReportedWithTheSystemsError) {
    ScriptedDialogs dialogs;
    SimulatedCamPac camPac(std::vector<Byte>(256, 0xFF), AdapterKind::Lpt, dialogs);
    camPac.port.SetAccessDenied(true);
    const LineTestOutcome outcome = RunLineTest(camPac.bus, camPac.clock);
    EXPECT_FALSE(camPac.access.on());
    ASSERT_EQ(outcome.message.arguments.size(), 1u);
    EXPECT_EQ(std::get<long long>(outcome.message.arguments[0]), 13);  // EACCES
    EXPECT_EQ(outcome.message.suffix, "\r\n(0x378: Permission denied)");
}

// A port whose inputs are wired to the outputs by a rule, for faults a module cannot make.
class WiredPort : public ParallelPort {
  public:
    using Wiring = std::function<void(bool sclOut, bool sdaOut, bool& sclIn, bool& sdaIn)>;
    explicit WiredPort(Wiring wiring) : wiring_(std::move(wiring)) {}

    std::optional<Byte> ReadPort(std::uint16_t port) override {
        switch (port) {
            case 0x378:
                return data_;
            case 0x37A:
                return control_;
            case 0x379: {
                bool sclIn = false;
                bool sdaIn = false;
                wiring_((control_ & 0x08) != 0, (data_ & 0x80) == 0, sclIn, sdaIn);
                return static_cast<Byte>((sclIn ? 0x08 : 0) | (sdaIn ? 0x80 : 0));
            }
            default:
                return std::nullopt;
        }
    }
    bool WritePort(std::uint16_t port, Byte value) override {
        (port == 0x378 ? data_ : control_) = value;
        return true;
    }

  private:
    Wiring wiring_;
    Byte data_ = 0x00;
    Byte control_ = 0x0C;
};

struct WiringCase {
    const char* name;
    WiredPort::Wiring wiring;
    int step;
    int text;
};

TEST(LineTest, EachStepReadsItsOwnInput) {
    const std::vector<WiringCase> cases{
        // SDA-in never falls: the fourth step drives SDA low and finds it high.
        {"SDA-in stuck high",
         [](bool scl, bool, bool& sclIn, bool& sdaIn) {
             sclIn = scl;
             sdaIn = true;
         },
         4, 195},
        // SCL pulled low while SDA is low (the two lines shorted): the fifth step raises SCL
        // with SDA low; its text is the SDA text, which names SCL-In for step 5.
        {"SCL and SDA shorted",
         [](bool scl, bool sda, bool& sclIn, bool& sdaIn) {
             sclIn = scl && sda;
             sdaIn = sda;
         },
         5, 195},
        // The inputs crossed: the third step lowers SCL while SDA stays high, and SCL-in
        // shows SDA.
        {"inputs crossed",
         [](bool scl, bool sda, bool& sclIn, bool& sdaIn) {
             sclIn = sda;
             sdaIn = scl;
         },
         3, 196},
    };
    for (const WiringCase& c : cases) {
        SCOPED_TRACE(c.name);
        WiredPort port(c.wiring);
        ModelledClock clock;
        PortAccessSwitch access;
        LptI2cBus bus(port, clock, access);
        const LineTestOutcome outcome = RunLineTest(bus, clock);
        EXPECT_FALSE(outcome.passed);
        EXPECT_EQ(outcome.step, c.step);
        EXPECT_EQ(outcome.message.text, c.text);
    }
}

TEST(LineTest, RunsOneStepAtATimeForAWindow) {
    ScriptedDialogs dialogs;
    SimulatedCamPac camPac(std::vector<Byte>(256, 0xFF), AdapterKind::Lpt, dialogs);
    LineTest test(camPac.bus);
    for (int step = 1; step <= 6; ++step) {
        EXPECT_EQ(test.nextStep(), step);
        EXPECT_FALSE(test.RunStep().has_value());
    }
    const std::optional<LineTestOutcome> last = test.RunStep();
    ASSERT_TRUE(last.has_value());
    EXPECT_TRUE(last->passed);
    EXPECT_EQ(last->message.text, 197);
}

}  // namespace
