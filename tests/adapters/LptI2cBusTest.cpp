#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "adapters/AdapterTexts.h"
#include "adapters/Clock.h"
#include "adapters/LptI2cBus.h"
#include "support/ScriptedDialogs.h"

namespace {

// A port that records every access and lets the test decide what the status register
// reads. Writes to data and control are kept; the status register follows a rule.
class RecordingPort : public ParallelPort {
  public:
    struct Access {
        bool write;
        std::uint16_t port;
        Byte value;
    };
    std::optional<Byte> ReadPort(std::uint16_t port) override {
        if (denied) {
            return std::nullopt;
        }
        Byte value = registers[port];
        if (port == 0x379 && statusFollowsLines) {
            value = 0;
            if ((registers[0x378] & 0x80) == 0 && !sdaStuckLow) {
                value |= 0x80;
            }
            if ((registers[0x37A] & 0x08) != 0) {
                value |= 0x08;
            }
        }
        accesses.push_back({false, port, value});
        return value;
    }
    bool WritePort(std::uint16_t port, Byte value) override {
        if (denied) {
            return false;
        }
        registers[port] = value;
        accesses.push_back({true, port, value});
        return true;
    }
    // The line changes as "SDA0", "SCL1", ... in order.
    std::vector<std::string> LineChanges() const {
        std::vector<std::string> out;
        for (const Access& a : accesses) {
            if (!a.write) {
                continue;
            }
            if (a.port == 0x378) {
                out.push_back((a.value & 0x80) ? "SDA0" : "SDA1");
            } else if (a.port == 0x37A) {
                out.push_back((a.value & 0x08) ? "SCL1" : "SCL0");
            }
        }
        return out;
    }
    std::map<std::uint16_t, Byte> registers{{0x378, 0x55}, {0x379, 0}, {0x37A, 0x04}};
    std::vector<Access> accesses;
    bool statusFollowsLines = true;
    bool sdaStuckLow = false;
    bool denied = false;
};

struct BusFixture : ::testing::Test {
    RecordingPort port;
    ModelledClock clock;
    PortAccessSwitch access;
    LptI2cBus bus{port, clock, access};
};

TEST_F(BusFixture, SdaOutIsBit7OfDataWrittenInvertedSclOutBit3OfControlStraight) {
    bus.SetSda(0);
    EXPECT_EQ(port.registers[0x378], 0x55 | 0x80);
    bus.SetSda(1);
    EXPECT_EQ(port.registers[0x378], 0x55);
    // A read-modify-write: the read comes first, then one write.
    ASSERT_EQ(port.accesses.size(), 4u);
    EXPECT_FALSE(port.accesses[0].write);
    EXPECT_EQ(port.accesses[0].port, 0x378);
    EXPECT_TRUE(port.accesses[1].write);
    bus.SetScl(1);
    EXPECT_EQ(port.registers[0x37A], 0x04 | 0x08);
    bus.SetScl(0);
    EXPECT_EQ(port.registers[0x37A], 0x04);
}

TEST_F(BusFixture, InputsAreBits7And3OfTheStatusRegister) {
    port.statusFollowsLines = false;
    port.registers[0x379] = 0x80;
    EXPECT_TRUE(bus.GetSda());
    EXPECT_FALSE(bus.GetScl());
    port.registers[0x379] = 0x08;
    EXPECT_FALSE(bus.GetSda());
    EXPECT_TRUE(bus.GetScl());
    port.registers[0x379] = 0x7F;  // every other bit set
    EXPECT_FALSE(bus.GetSda());
    EXPECT_TRUE(bus.GetScl());
}

TEST_F(BusFixture, OtherBaseAddress) {
    bus.SetBaseAddress(0x278);
    bus.SetScl(1);
    EXPECT_EQ(port.accesses.back().port, 0x27A);
}

// The order in which each bus step changes the lines.
struct LineSequence {
    const char* name;
    std::function<void(RecordingPort&, LptI2cBus&)> run;
    std::vector<std::string> changes;
};

void PrintTo(const LineSequence& sequence, std::ostream* out) {
    *out << sequence.name;
}

class LineSequences : public BusFixture, public testing::WithParamInterface<LineSequence> {};

TEST_P(LineSequences, ChangeTheLinesInTheirOrder) {
    GetParam().run(port, bus);
    EXPECT_EQ(port.LineChanges(), GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LineSequences,
    testing::Values(LineSequence{"Start",
                                 [](RecordingPort&, LptI2cBus& bus) { bus.I2cStart(); },
                                 {"SDA1", "SCL1", "SDA0", "SCL0"}},
                    LineSequence{"Stop",
                                 [](RecordingPort&, LptI2cBus& bus) { bus.I2cStop(); },
                                 {"SCL0", "SDA0", "SCL1", "SDA1"}},
                    LineSequence{"SendBit",
                                 [](RecordingPort&, LptI2cBus& bus) { bus.I2cSendBit(1); },
                                 {"SDA1", "SCL1", "SCL0"}},
                    // Most significant bit first, then SDA low: 0xA6 is 1010 0110.
                    LineSequence{
                        "WriteByte",
                        [](RecordingPort&, LptI2cBus& bus) { bus.I2cWriteByte(0xA6); },
                        {"SDA1", "SCL1", "SCL0", "SDA0", "SCL1", "SCL0", "SDA1", "SCL1", "SCL0",
                         "SDA0", "SCL1", "SCL0", "SDA0", "SCL1", "SCL0", "SDA1", "SCL1", "SCL0",
                         "SDA1", "SCL1", "SCL0", "SDA0", "SCL1", "SCL0", "SDA0"}},
                    LineSequence{"AcknowledgeCheck",
                                 [](RecordingPort& port, LptI2cBus& bus) {
                                     port.sdaStuckLow = true;  // the slave acknowledges
                                     EXPECT_TRUE(bus.I2cCheckAck());
                                 },
                                 {"SCL0", "SDA1", "SCL1", "SCL0", "SDA0"}},
                    LineSequence{"AdapterCheckWithSdaStuckLow",
                                 [](RecordingPort& port, LptI2cBus& bus) {
                                     port.sdaStuckLow = true;
                                     EXPECT_FALSE(bus.CheckLptAdapter());
                                 },
                                 {"SDA1"}},
                    LineSequence{"AdapterCheckWithSclInNotFollowingDown",
                                 [](RecordingPort& port, LptI2cBus& bus) {
                                     port.statusFollowsLines = false;
                                     port.registers[0x379] = 0x88;  // both inputs always high
                                     EXPECT_FALSE(bus.CheckLptAdapter());
                                 },
                                 {"SDA1", "SCL1", "SCL0"}}),
    [](const testing::TestParamInfo<LineSequence>& param) { return param.param.name; });

// The clock only moves through the port accesses of the waits: each read costs the given
// modelled microseconds.
class TickingPort : public RecordingPort {
  public:
    explicit TickingPort(ModelledClock& c, std::int64_t microsecondsPerRead = 1)
        : clock(c), perRead(microsecondsPerRead) {}
    std::optional<Byte> ReadPort(std::uint16_t port) override {
        clock.Advance(perRead);
        return RecordingPort::ReadPort(port);
    }
    ModelledClock& clock;
    std::int64_t perRead;
};

TEST(LptI2cBus, AckWaitEndsOnAModelledClock) {
    ModelledClock clock;
    TickingPort port(clock);
    PortAccessSwitch access;
    LptI2cBus bus(port, clock, access);
    EXPECT_FALSE(bus.I2cCheckAck());
    EXPECT_GT(clock.NowMilliseconds(), 50);
    EXPECT_LT(clock.NowMicroseconds(), 53000);
    EXPECT_EQ(port.registers[0x378] & 0x80, 0x80);  // SDA level 0
    EXPECT_EQ(port.registers[0x37A] & 0x08, 0);     // SCL level 0
}

TEST_F(BusFixture, ReadByteSamplesMostSignificantBitFirst) {
    port.statusFollowsLines = false;
    // SDA-in reads the bits of 0xB4 = 1011 0100 at the eight SCL-in checks.
    std::vector<int> bits{1, 0, 1, 1, 0, 1, 0, 0};
    class BitPort : public RecordingPort {
      public:
        std::vector<int> bits;
        std::size_t next = 0;
        std::optional<Byte> ReadPort(std::uint16_t p) override {
            if (p == 0x379) {
                // Every read of a bit is preceded by a read of SCL-in.
                const bool sdaRead = readCount++ % 2 == 1;
                Byte v = 0x08;
                if (sdaRead && bits[next++]) {
                    v |= 0x80;
                }
                return v;
            }
            return RecordingPort::ReadPort(p);
        }
        int readCount = 0;
    } bitPort;
    bitPort.bits = bits;
    LptI2cBus other(bitPort, clock, access);
    EXPECT_EQ(other.I2cReadByte(), std::optional<Byte>(0xB4));
}

TEST_F(BusFixture, SclInThatNeverRisesEndsTheByteWithAnError) {
    TickingPort stuck(clock);
    stuck.statusFollowsLines = false;
    LptI2cBus other(stuck, clock, access);
    EXPECT_FALSE(other.I2cWriteByte(0x55));
    EXPECT_TRUE(other.clockStuck());
    other.ClearClockStuck();
    EXPECT_FALSE(other.I2cReadByte().has_value());
    EXPECT_TRUE(other.clockStuck());
}

TEST_F(BusFixture, AdapterCheckPassesWhenBothLinesFollow) {
    EXPECT_TRUE(bus.CheckLptAdapter());
    EXPECT_EQ(port.registers[0x378] & 0x80, 0);     // SDA level 1
    EXPECT_EQ(port.registers[0x37A] & 0x08, 0x08);  // SCL level 1
}

TEST_F(BusFixture, DelaysAreCountedPasses) {
    bus.SetWaitStates(7);
    bus.ShortDelay();
    EXPECT_EQ(clock.passes(), 7);
    bus.LongDelay();
    EXPECT_EQ(clock.passes(), 7 + 49);
    bus.SetWaitStates(0);
    bus.LongDelay();
    bus.ShortDelay();
    EXPECT_EQ(clock.passes(), 56);
}

TEST_F(BusFixture, WaitstatesDoNotChangeTheOrderOfLineChanges) {
    bus.SetWaitStates(3);
    bus.I2cStart();
    bus.I2cWriteByte(0x0F);
    const auto withDelays = port.LineChanges();
    RecordingPort plain;
    LptI2cBus fast(plain, clock, access);
    fast.I2cStart();
    fast.I2cWriteByte(0x0F);
    EXPECT_EQ(plain.LineChanges(), withDelays);
}

TEST_F(BusFixture, PortFaultSwitchesPortAccessOffOnceAndInputsReadLow) {
    int switchedOff = 0;
    access.SetSwitchedOffHandler([&] { ++switchedOff; });
    port.denied = true;
    bus.SetSda(1);
    EXPECT_FALSE(access.on());
    EXPECT_FALSE(bus.GetScl());
    EXPECT_FALSE(bus.GetSda());
    EXPECT_EQ(switchedOff, 1);
}

class FixedTitle : public WindowTitle {
  public:
    std::string Get() override { return title; }
    void SetAndRedraw(const std::string& t) override {
        title = t;
        shown.push_back(t);
    }
    std::string title = "KeplundV3 - Futaba CamPacs";
    std::vector<std::string> shown;
};

TEST_F(BusFixture, CalibrationCancelledKeepsTheSetting) {
    ScriptedDialogs dialogs;
    dialogs.answers.push_back(Answer::Cancel);
    FixedTitle title;
    bus.SetWaitStates(150);
    EXPECT_EQ(bus.CalibrateWaitstates(dialogs, title), 0);
    EXPECT_EQ(bus.waitStates(), 150);
    ASSERT_EQ(dialogs.ShownNumbers(), std::vector<int>{txt::kCalibrateQuestion.number});
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::OkCancel);
}

TEST_F(BusFixture, CalibrationFindsTheFirstTenthWhereTenPassesTakeHalfASecond) {
    ScriptedDialogs dialogs;
    dialogs.answers.push_back(Answer::Ok);
    FixedTitle title;
    clock.SetPassNanoseconds(1000);  // each loop pass costs a modelled microsecond
    const int result = bus.CalibrateWaitstates(dialogs, title);
    // A pass has 36 long delays: ten passes take 360 N^2 us, over 500 ms from N = 40.
    EXPECT_EQ(result, 4);
    EXPECT_EQ(bus.waitStates(), 4);
    EXPECT_EQ(title.title, "KeplundV3 - Futaba CamPacs");
    ASSERT_GE(title.shown.size(), 2u);
    EXPECT_EQ(title.shown[0], "Test Waitstates (10)");
}

TEST_F(BusFixture, CalibrationOnAVerySlowPortGivesZero) {
    ScriptedDialogs dialogs;
    dialogs.answers.push_back(Answer::Ok);
    FixedTitle title;
    TickingPort slow(clock, 2000);
    LptI2cBus other(slow, clock, access);
    EXPECT_EQ(other.CalibrateWaitstates(dialogs, title), 0);
    EXPECT_TRUE(title.shown.size() == 1);  // only the title restored
}

}  // namespace
