#include "editors/fc16/Fc16Pages.h"

namespace fc16 {

// Choosing a program writes its 18 default bytes to bytes 55 to 72; the first of them
// carries the program bit (Universal 0x0F: every mixer "Aus"; Heli 0x8E: REVO on, IDLE and
// HOLD off, swashplate type 1).
const ModelTypeTable& Programs() {
    static const ModelTypeTable table{
        kProgramOffset,
        kProgramBit,
        {{"Universal",
          0,
          kUniversalPage,
          false,
          {{kProgramOffset, {15, 255, 50, 50, 50, 50, 50, 50, 0, 50, 50, 0, 50, 50, 0, 0, 0, 0}}}},
         {"Heli",
          1,
          kHeliPage,
          true,
          {{kProgramOffset,
            {142, 255, 178, 178, 100, 100, 0, 228, 0, 0, 0, 0, 50, 50, 0, 0, 0, 0}}}}}};
    return table;
}

}  // namespace fc16
