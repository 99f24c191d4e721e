#include <initializer_list>
#include <utility>

#include "editors/fc18v3/Fc18v3Pages.h"

namespace fc18v3 {
namespace {

constexpr int kDualRateEinOffset = 56;

// Default bytes written as runs: {value, count}.
std::vector<Byte> Runs(std::initializer_list<std::pair<int, int>> runs) {
    std::vector<Byte> bytes;
    for (const auto& [value, count] : runs) {
        bytes.insert(bytes.end(), static_cast<std::size_t>(count), static_cast<Byte>(value));
    }
    return bytes;
}

// Bytes 115 to 179 of each mixing program (the first byte is the program's code).
std::vector<Byte> ProgramBlock(int code) {
    switch (code) {
        case 0:
            return Runs({{0, 1},
                         {255, 4},
                         {0, 1},
                         {254, 1},
                         {255, 2},
                         {100, 1},
                         {50, 2},
                         {206, 1},
                         {0, 3},
                         {50, 9},
                         {0, 6},
                         {50, 4},
                         {0, 2},
                         {50, 1},
                         {0, 11},
                         {50, 1},
                         {48, 1},
                         {0, 14}});
        case 1:
            return Runs({{1, 1},
                         {0, 1},
                         {254, 1},
                         {255, 2},
                         {100, 1},
                         {50, 2},
                         {206, 1},
                         {0, 3},
                         {50, 9},
                         {0, 6},
                         {50, 4},
                         {0, 2},
                         {50, 1},
                         {0, 11},
                         {50, 2},
                         {0, 18}});
        case 2:
            return Runs({{2, 1},
                         {0, 1},
                         {254, 1},
                         {255, 2},
                         {100, 1},
                         {50, 2},
                         {206, 1},
                         {0, 3},
                         {50, 9},
                         {0, 8},
                         {50, 8},
                         {0, 8},
                         {50, 2},
                         {0, 18}});
        case 3:
            return Runs({{3, 1},
                         {0, 1},
                         {254, 1},
                         {255, 2},
                         {100, 1},
                         {36, 1},
                         {50, 1},
                         {220, 1},
                         {0, 3},
                         {50, 4},
                         {0, 3},
                         {50, 2},
                         {0, 1},
                         {50, 1},
                         {0, 4},
                         {50, 2},
                         {0, 16},
                         {50, 2},
                         {0, 18}});
        case 4:
            return Runs({{4, 1},
                         {0, 1},
                         {254, 1},
                         {255, 2},
                         {100, 1},
                         {50, 2},
                         {206, 1},
                         {0, 3},
                         {50, 9},
                         {0, 1},
                         {50, 1},
                         {0, 2},
                         {50, 2},
                         {0, 2},
                         {50, 2},
                         {0, 14},
                         {50, 2},
                         {0, 18}});
        default: {
            // The helicopter programs 5 to 9 share one block; 8 and 9 raise swash-plate
            // travels (bytes 164, and 162 to 164) to 100.
            std::vector<Byte> block = {static_cast<Byte>(code),
                                       0,
                                       248,
                                       255,
                                       255,
                                       100,
                                       100,
                                       0,
                                       25,
                                       0,
                                       25,
                                       0,
                                       25,
                                       50,
                                       75,
                                       100,
                                       0,
                                       25,
                                       50,
                                       75,
                                       100,
                                       186,
                                       0,
                                       25,
                                       50,
                                       75,
                                       100,
                                       0,
                                       25,
                                       50,
                                       75,
                                       100,
                                       0,
                                       25,
                                       50,
                                       75,
                                       100,
                                       100,
                                       100,
                                       100,
                                       100,
                                       0,
                                       0,
                                       50,
                                       50,
                                       50,
                                       50,
                                       50,
                                       50,
                                       50,
                                       0,
                                       0,
                                       0,
                                       25,
                                       37,
                                       50,
                                       62,
                                       75,
                                       25,
                                       37,
                                       50,
                                       62,
                                       75,
                                       0,
                                       0};
            if (code == 8) {
                block[164 - kProgramOffset] = 100;
            }
            if (code == 9) {
                for (const int offset : {162, 163, 164}) {
                    block[static_cast<std::size_t>(offset - kProgramOffset)] = 100;
                }
            }
            return block;
        }
    }
}

ModelTypeEntry Program(std::string text, int code, int page, int textNumber) {
    return {std::move(text),
            code,
            page,
            code >= 5,
            {{kProgramOffset, ProgramBlock(code)}, {kDualRateEinOffset, {100, 100, 100, 100}}},
            textNumber};
}

}  // namespace

const ModelTypeTable& MixingPrograms() {
    static const ModelTypeTable table{
        kProgramOffset,
        0xFF,
        {Program("Standard", 0, kStandardPage, 322), Program("Segler 5", 1, kSegler5Page, 323),
         Program("Segler 4", 2, kSegler4Page, 324), Program("Segler 2", 3, kSegler2Page, 325),
         Program("Motorflug", 4, kMotorflugPage, 326), Program("Heli R3", 5, kHeliPage, 327),
         Program("Heli N3", 6, kHeliPage, 328), Program("Heli 4", 7, kHeliPage, 329),
         Program("Heli 2", 8, kHeliPage, 330), Program("Heli 1", 9, kHeliPage, 331)}};
    return table;
}

}  // namespace fc18v3
