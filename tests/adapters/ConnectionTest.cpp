#include <gtest/gtest.h>

#include <fstream>

#include "adapters/ParportDiscovery.h"
#include "adapters/PortTalkRequests.h"
#include "adapters/SimulatedConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

TEST(ParportDiscoveryTest, FindsTheDeviceWhoseBaseAddressMatches) {
    TempFolder proc;
    for (const auto& [name, content] : std::vector<std::pair<std::string, std::string>>{
             {"parport0", "632\t1656\n"}, {"parport1", "888\t1912\n"}, {"default", "x"}}) {
        std::filesystem::create_directories(proc / name);
        std::ofstream(proc / name / "base-addr") << content;
    }
    EXPECT_EQ(FindParportDevice(0x378, proc.path(), "/dev"), "/dev/parport1");
    EXPECT_EQ(FindParportDevice(0x278, proc.path(), "/dev"), "/dev/parport0");
    EXPECT_FALSE(FindParportDevice(0x3BC, proc.path(), "/dev").has_value());
    EXPECT_FALSE(FindParportDevice(0x378, proc / "absent", "/dev").has_value());
}

// A simulated CamPac of `size` erased bytes with the faults named.
struct SimulatedModule {
    SimulatedModule(int size, std::vector<const char*> faults) {
        WriteBytes(folder / "module.bin", std::vector<Byte>(static_cast<std::size_t>(size), 0xFF));
        options.image = folder / "module.bin";
        for (const char* fault : faults) {
            EXPECT_TRUE(AddSimulatedFault(fault, options.faults).ok()) << fault;
        }
    }
    Result<std::unique_ptr<SimulatedConnection>> Open() {
        return SimulatedConnection::Open(options, dialogs);
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    SimulatedConnection::Options options;
};

TEST(SimulatedConnectionTest, KeepsWhatIsWrittenInItsImageFile) {
    SimulatedModule simulated(512, {});
    simulated.options.kind = AdapterKind::Lpt;
    simulated.options.trace = simulated.folder / "bus.vcd";
    auto connection = simulated.Open();
    ASSERT_TRUE(connection.ok());
    SimulatedConnection& module = *connection.value();
    EXPECT_EQ(module.kind(), AdapterKind::Lpt);
    module.camPac().eeprom.memory()[7] = 0x12;
    ASSERT_TRUE(module.AfterTransfer().ok());
    std::vector<Byte> image(512, 0xFF);
    image[7] = 0x12;
    EXPECT_EQ(ReadBytes(simulated.folder / "module.bin"), image);
    EXPECT_TRUE(std::filesystem::exists(simulated.folder / "bus.vcd"));
}

TEST(SimulatedConnectionTest, SwitchesAdaptersAndFollowsTheChosenAddress) {
    SimulatedModule module(512, {});
    auto opened = module.Open();
    ASSERT_TRUE(opened.ok());
    SimulatedConnection& connection = *opened.value();
    EXPECT_EQ(connection.lptBus(), nullptr);
    EXPECT_EQ(connection.portAccess(), nullptr);

    AdapterChoice choice;
    choice.kind = AdapterKind::Lpt;
    choice.lptAddress = 0x278;
    choice.waitStates = 3;
    ASSERT_TRUE(connection.UseAdapter(choice).ok());
    ASSERT_NE(connection.lptBus(), nullptr);
    EXPECT_EQ(connection.lptBus()->waitStates(), 3);
    // The module answers at the new address: the adapter check and the size detection pass.
    EXPECT_TRUE(connection.module().Connect());
    EXPECT_EQ(connection.module().DetectCamPacSize(), 512);

    choice.kind = AdapterKind::Usb;
    ASSERT_TRUE(connection.UseAdapter(choice).ok());
    EXPECT_EQ(connection.kind(), AdapterKind::Usb);
    EXPECT_EQ(connection.lptBus(), nullptr);
    EXPECT_EQ(connection.module().DetectCamPacSize(), 512);
}

TEST(SimulatedConnectionTest, ADeniedPortFailsWhenTheParallelPortIsChosen) {
    SimulatedModule module(256, {"port-denied"});
    auto opened = module.Open();
    ASSERT_TRUE(opened.ok());
    AdapterChoice choice;
    choice.kind = AdapterKind::Lpt;
    const Status used = opened.value()->UseAdapter(choice);
    ASSERT_FALSE(used.ok());
    EXPECT_EQ(used.error().text, 76);
    EXPECT_FALSE(opened.value()->portAccess()->on());
}

TEST(SimulatedConnectionTest, RefusesAFlippedByteBeyondTheImage) {
    SimulatedModule module(256, {"flip:256"});
    const auto opened = module.Open();
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.error().literal.find("flip:256"), std::string::npos);
}

TEST(PortTalkRequestsTest, PortNumbersGoLittleEndianBeforeTheValue) {
    EXPECT_EQ(porttalk::ReadRequest(0x378), (std::array<Byte, 2>{0x78, 0x03}));
    EXPECT_EQ(porttalk::WriteRequest(0x37A, 0x8C), (std::array<Byte, 3>{0x7A, 0x03, 0x8C}));
}

}  // namespace
