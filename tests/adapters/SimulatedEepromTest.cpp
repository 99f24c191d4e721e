#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "adapters/CamPacAddressing.h"
#include "adapters/SimulatedParallelPort.h"
#include "support/TestFiles.h"

namespace {

std::vector<Byte> CountingImage(int size) {
    std::vector<Byte> image(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        image[static_cast<std::size_t>(i)] = static_cast<Byte>(i * 7 + i / 256);
    }
    return image;
}

struct SimulatedCamPacBus {
    explicit SimulatedCamPacBus(int size) : eeprom(CountingImage(size)) {}
    ModelledClock clock;
    SimulatedEeprom eeprom;
    SimulatedParallelPort port{clock, &eeprom};
    PortAccessSwitch access;
    LptI2cBus bus{port, clock, access};

    // A random read as the transfer engine does it, without the retries.
    std::optional<Byte> ReadAt(int address) {
        const int size = eeprom.size();
        bus.I2cStart();
        bus.I2cWriteByte(campac::DeviceAddress(size, address));
        if (!bus.I2cCheckAck()) {
            return std::nullopt;
        }
        bus.I2cWriteByte(campac::WordAddress(address));
        if (!bus.I2cCheckAck()) {
            return std::nullopt;
        }
        bus.I2cStop();
        bus.I2cStart();
        bus.I2cWriteByte(static_cast<Byte>(campac::DeviceAddress(size, address) + 1));
        if (!bus.I2cCheckAck()) {
            return std::nullopt;
        }
        const auto value = bus.I2cReadByte();
        bus.I2cSendBit(1);
        bus.I2cStop();
        return value;
    }
    bool WritePage(int address, const std::vector<Byte>& bytes) {
        const int size = eeprom.size();
        bus.I2cStart();
        bool ok = bus.I2cWriteByte(campac::DeviceAddress(size, address)) && bus.I2cCheckAck();
        ok = ok && bus.I2cWriteByte(campac::WordAddress(address)) && bus.I2cCheckAck();
        for (Byte b : bytes) {
            ok = ok && bus.I2cWriteByte(b) && bus.I2cCheckAck();
        }
        bus.I2cStop();
        return ok;
    }
};

class EverySize : public ::testing::TestWithParam<int> {};

TEST_P(EverySize, RandomReadsReturnEveryBlocksBytes) {
    SimulatedCamPacBus sim(GetParam());
    const std::vector<Byte> expected = CountingImage(GetParam());
    for (int address = 0; address < GetParam(); address += 37) {
        EXPECT_EQ(sim.ReadAt(address), std::optional<Byte>(expected[address])) << address;
    }
    const int last = GetParam() - 1;
    EXPECT_EQ(sim.ReadAt(last), std::optional<Byte>(expected[last]));
}

TEST_P(EverySize, AnswersOnlyItsOwnDeviceAddresses) {
    SimulatedCamPacBus sim(GetParam());
    const int blocks = GetParam() / 256;
    const Byte base = GetParam() == 8192 ? 0x00 : 0xA0;
    for (int d = 0; d < 256; d += 2) {
        sim.bus.I2cStart();
        sim.bus.I2cWriteByte(static_cast<Byte>(d));
        const bool acked = sim.bus.I2cCheckAck();
        sim.bus.I2cStop();
        const bool own = d >= base && d < base + 2 * blocks;
        EXPECT_EQ(acked, own) << "device address " << d;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, EverySize, ::testing::Values(256, 512, 1024, 2048, 8192));

TEST(SimulatedEeprom, PageWriteStoresBytesAndIsBusyForTheWriteCycle) {
    SimulatedCamPacBus sim(2048);
    ASSERT_TRUE(sim.WritePage(0x310, {1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(sim.eeprom.pageWrites(), 1);
    EXPECT_TRUE(sim.eeprom.Busy(sim.clock.NowMicroseconds()));
    // During the write cycle the device address is not acknowledged.
    sim.bus.I2cStart();
    sim.bus.I2cWriteByte(0xA6);
    EXPECT_FALSE(sim.bus.I2cCheckAck());  // waits 50 ms, the cycle ends meanwhile
    sim.bus.I2cStop();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(sim.ReadAt(0x310 + i), std::optional<Byte>(static_cast<Byte>(i + 1)));
    }
}

TEST(SimulatedEeprom, PageWriteRollsOverInsideItsPage) {
    SimulatedCamPacBus sim(512);
    const std::vector<Byte> before = sim.eeprom.memory();
    ASSERT_TRUE(sim.WritePage(0x106, {0x11, 0x22, 0x33, 0x44}));
    const auto& after = sim.eeprom.memory();
    EXPECT_EQ(after[0x106], 0x11);
    EXPECT_EQ(after[0x107], 0x22);
    EXPECT_EQ(after[0x100], 0x33);  // wrapped to the start of the 8-byte page
    EXPECT_EQ(after[0x101], 0x44);
    EXPECT_EQ(after[0x108], before[0x108]);
}

TEST(SimulatedEeprom, AStartBeforeTheStopAbandonsThePage) {
    SimulatedCamPacBus sim(256);
    const std::vector<Byte> before = sim.eeprom.memory();
    sim.bus.I2cStart();
    sim.bus.I2cWriteByte(0xA0);
    sim.bus.I2cCheckAck();
    sim.bus.I2cWriteByte(0x20);
    sim.bus.I2cCheckAck();
    sim.bus.I2cWriteByte(0x99);
    sim.bus.I2cCheckAck();
    sim.bus.I2cStart();
    sim.bus.I2cStop();
    EXPECT_EQ(sim.eeprom.memory(), before);
    EXPECT_EQ(sim.eeprom.pageWrites(), 0);
}

TEST(SimulatedEeprom, SequentialReadCarriesOnAcrossBlocks) {
    SimulatedCamPacBus sim(1024);
    ASSERT_TRUE(sim.ReadAt(0x1FE).has_value());  // leaves the counter at 0x1FF
    sim.bus.I2cStart();
    sim.bus.I2cWriteByte(0xA3);
    ASSERT_TRUE(sim.bus.I2cCheckAck());
    std::vector<Byte> got;
    for (int i = 0; i < 3; ++i) {
        got.push_back(*sim.bus.I2cReadByte());
        sim.bus.I2cSendBit(i == 2 ? 1 : 0);
    }
    sim.bus.I2cStop();
    const auto image = CountingImage(1024);
    EXPECT_EQ(got, (std::vector<Byte>{image[0x1FF], image[0x200], image[0x201]}));
}

struct FaultCase {
    const char* name;
    AckFault place;
    int failingStep;  // 1 device address, 2 word address, 3 read address
};

class AckFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(AckFaults, RefusesTheAcknowledgeAtItsPlace) {
    SimulatedCamPacBus sim(256);
    sim.eeprom.faults().noAck = GetParam().place;
    sim.bus.I2cStart();
    sim.bus.I2cWriteByte(0xA0);
    int step = 0;
    if (!sim.bus.I2cCheckAck()) {
        step = 1;
    } else {
        sim.bus.I2cWriteByte(0x10);
        if (!sim.bus.I2cCheckAck()) {
            step = 2;
        } else {
            sim.bus.I2cStop();
            sim.bus.I2cStart();
            sim.bus.I2cWriteByte(0xA1);
            step = sim.bus.I2cCheckAck() ? 0 : 3;
        }
    }
    EXPECT_EQ(step, GetParam().failingStep);
}

INSTANTIATE_TEST_SUITE_P(Places, AckFaults,
                         ::testing::Values(FaultCase{"device", AckFault::DeviceAddress, 1},
                                           FaultCase{"word", AckFault::WordAddress, 2},
                                           FaultCase{"read", AckFault::ReadAddress, 3},
                                           FaultCase{"all", AckFault::Everything, 1},
                                           FaultCase{"none", AckFault::None, 0}),
                         [](const auto& fault) { return std::string(fault.param.name); });

TEST(SimulatedEeprom, FlippedBitOnlyOnRead) {
    SimulatedCamPacBus sim(256);
    sim.eeprom.faults().flipAddress = 17;
    sim.eeprom.faults().flipMask = 0x04;
    const Byte stored = sim.eeprom.memory()[17];
    EXPECT_EQ(sim.ReadAt(17), std::optional<Byte>(static_cast<Byte>(stored ^ 0x04)));
    EXPECT_EQ(sim.eeprom.memory()[17], stored);
}

TEST(SimulatedParallelPort, LineFaultsShowOnTheStatusRegister) {
    SimulatedCamPacBus sim(256);
    EXPECT_TRUE(sim.bus.CheckLptAdapter());
    sim.eeprom.faults().sdaStuckLow = true;
    EXPECT_FALSE(sim.bus.CheckLptAdapter());
    sim.eeprom.faults().sdaStuckLow = false;
    sim.eeprom.faults().scl = SclFault::StuckLow;
    EXPECT_FALSE(sim.bus.CheckLptAdapter());
    sim.eeprom.faults().scl = SclFault::StuckHigh;
    EXPECT_FALSE(sim.bus.CheckLptAdapter());
    sim.eeprom.faults().scl = SclFault::None;
    sim.port.SetAdapterConnected(false);
    EXPECT_FALSE(sim.bus.CheckLptAdapter());
}

TEST(SimulatedParallelPort, OtherStatusBitsAndRegistersKeepTheirValues) {
    SimulatedCamPacBus sim(256);
    sim.port.WritePort(0x378, 0x2A);
    sim.port.WritePort(0x37A, 0x05);
    sim.bus.SetSda(0);
    sim.bus.SetScl(1);
    EXPECT_EQ(sim.port.dataRegister(), 0xAA);
    EXPECT_EQ(sim.port.controlRegister(), 0x0D);
    EXPECT_EQ(*sim.port.ReadPort(0x379) & 0x77, SimulatedParallelPort::kStatusOtherBits & 0x77);
}

TEST(SimulatedParallelPort, VcdTraceHasBothWiresAndOneStepPerAccess) {
    TempFolder folder;
    const auto path = folder / "bus.vcd";
    {
        SimulatedCamPacBus sim(256);
        ASSERT_TRUE(sim.port.StartTrace(path));
        ASSERT_TRUE(sim.ReadAt(5).has_value());
        sim.port.StopTrace();
    }
    std::ifstream in(path);
    std::string line;
    std::map<std::string, std::string> wires;  // identifier -> name
    bool definitionsEnded = false;
    long long lastTime = -1;
    int sclRises = 0;
    char scl = '1';
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "$var") {
            std::string kind, width, id, name;
            words >> kind >> width >> id >> name;
            EXPECT_EQ(kind, "wire");
            EXPECT_EQ(width, "1");
            wires[id] = name;
        } else if (first == "$enddefinitions") {
            definitionsEnded = true;
        } else if (!first.empty() && first[0] == '#') {
            const long long time = std::stoll(first.substr(1));
            EXPECT_GT(time, lastTime);
            lastTime = time;
        } else if (definitionsEnded && (first.size() == 2) &&
                   (first[0] == '0' || first[0] == '1')) {
            ASSERT_TRUE(wires.count(first.substr(1))) << line;
            if (wires[first.substr(1)] == "scl") {
                sclRises += scl == '0' && first[0] == '1';
                scl = first[0];
            }
        }
    }
    EXPECT_TRUE(definitionsEnded);
    EXPECT_EQ(wires.size(), 2u);
    std::set<std::string> names;
    for (const auto& [id, name] : wires) {
        names.insert(name);
    }
    EXPECT_EQ(names, (std::set<std::string>{"scl", "sda"}));
    // Three bytes with their acknowledge clocks, one read byte, the missing acknowledge,
    // and the rise inside each of the two stops (the starts begin with SCL high).
    EXPECT_EQ(sclRises, 3 * 9 + 8 + 1 + 2);
    EXPECT_GT(lastTime, 100);
}

}  // namespace
