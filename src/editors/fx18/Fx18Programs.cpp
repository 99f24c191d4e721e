#include <vector>

#include "editors/fx18/Fx18Pages.h"

namespace fx18 {
namespace {

// Bytes 93 and 95 that a change of the program writes besides the block 113 to 142. Byte
// 95 is written whole: the dual-rate switch, "D-TR", "D-UM" and the glider's master
// channels start over with the program.
constexpr int kProgramFlagsOffset = 93;
constexpr int kSwitchesOffset = 95;

std::vector<std::pair<int, std::vector<Byte>>> Defaults(std::vector<Byte> block, Byte flags,
                                                        Byte switches) {
    return {{kProgramBlock, std::move(block)},
            {kProgramFlagsOffset, {flags}},
            {kSwitchesOffset, {switches}}};
}

// The block 113 to 142 of each program, as the record description lists it.
const std::vector<Byte> kBasicBlock(kProgramBlockSize, 0);
const std::vector<Byte> kMotorflugBlock = {0,  40, 40,  40, 0, 138, 40, 40, 40, 40,
                                           16, 56, 56,  56, 0, 0,   0,  0,  0,  0,
                                           24, 24, 255, 0,  0, 0,   0,  0,  0,  0};
const std::vector<Byte> kSeglerBlock = {0, 40, 40, 40, 0, 138, 40, 40,  40, 40, 0, 16, 40, 40, 0,
                                        0, 0,  0,  0,  0, 24,  24, 255, 0,  0,  0, 0,  0,  0,  0};
// Throttle and pitch curves -100, 0, 100 at points 1, 3 and 5, autorotation throttle -75,
// delay 0, autorotation pitch -100 and 100, revolution mixer -50, gyro 0, swash 40.
const std::vector<Byte> kHeliBlock = {156, 0,   100, 156, 0,   100, 156, 0,   100, 181,
                                      0,   156, 0,   100, 156, 0,   100, 156, 0,   100,
                                      156, 100, 206, 0,   0,   0,   0,   40,  40,  40};

ModelTypeTable Build() {
    ModelTypeTable table;
    table.offset = kProgramOffset;
    table.entries = {
        {"Basic", 0, kBasicPage, false, Defaults(kBasicBlock, 1, 0x40)},
        {"Motorflug", 1, kMotorflugPage, false, Defaults(kMotorflugBlock, 1, 0)},
        {"Segler", 2, kSeglerPage, false, Defaults(kSeglerBlock, 0, 0)},
        {"Heli H1", 128, kHeliPage, true, Defaults(kHeliBlock, 0x1A, 0)},
        {"Heli H2", 129, kHeliPage, true, Defaults(kHeliBlock, 0x1A, 0)},
        {"Heli HR3", 130, kHeliPage, true, Defaults(kHeliBlock, 0x1A, 0)},
        {"Heli H4", 131, kHeliPage, true, Defaults(kHeliBlock, 0x1A, 0)},
    };
    // Every code from 128 on is a helicopter's.
    table.otherCodes = {{132, 255, kHeliPage, true}};
    return table;
}

}  // namespace

const ModelTypeTable& MixingPrograms() {
    static const ModelTypeTable table = Build();
    return table;
}

}  // namespace fx18
