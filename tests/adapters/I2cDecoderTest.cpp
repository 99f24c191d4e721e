#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "adapters/RecordingObserver.h"
#include "adapters/SimulatedCamPac.h"
#include "adapters/TransferEngine.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// The recorded bus, read by a logic-analyser I2C decoder written elsewhere (sigrok's),
// must show valid transactions with the device and word addresses of the module.

namespace {

std::string DecodeWithSigrok(const std::filesystem::path& vcd) {
    const std::string command = "sigrok-cli -I vcd -i '" + vcd.string() +
                                "' -P i2c:scl=scl:sda=sda -A "
                                "i2c=address-read:address-write:data-read:data-write 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        pclose(pipe);
    }
    return output;
}

TEST(I2cDecoder, ReadsTheTraceOfA64kReadAsValidTransactions) {
    if (std::system("command -v sigrok-cli > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "sigrok-cli is not installed";
    }
    TempFolder folder;
    const auto vcd = folder / "read.vcd";
    ScriptedDialogs dialogs;
    std::vector<Byte> image = HeaderedImage(8192, 4, 0x0002);
    image[0x1F05] = 0xC3;
    {
        SimulatedCamPac sim(image, AdapterKind::Lpt, dialogs);
        ASSERT_TRUE(sim.port.StartTrace(vcd));
        // Only the size detection and the first bytes of block 31: a short trace.
        ASSERT_EQ(sim.module.DetectCamPacSize(), 8192);
        const int addresses[] = {0x1F05};
        const PassResult pass = sim.module.ReadPass(
            8192, addresses, true, [](int, Byte) {}, [](int) { return true; });
        ASSERT_EQ(pass.end, PassEnd::Done);
    }
    const std::string decoded = DecodeWithSigrok(vcd);
    // The probe of block 31 of the 64k addressing (0x3E, 7-bit 0x1F) with word 0xFF.
    EXPECT_NE(decoded.find("Address write: 1F\ni2c-1: Data write: FF"), std::string::npos)
        << decoded;
    // The random read of 0x1F05: device 0x3E, word 0x05, then 0x3F reading 0xC3.
    EXPECT_NE(decoded.find("Address write: 1F\ni2c-1: Data write: 05\ni2c-1: Read\n"
                           "i2c-1: Address read: 1F\ni2c-1: Data read: C3"),
              std::string::npos)
        << decoded;
}

}  // namespace
