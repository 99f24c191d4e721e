#include "editors/fc18v3/Fc18v3MixerRows.h"
#include "editors/fc18v3/Fc18v3Pages.h"

namespace fc18v3 {
namespace {

// The powered-model program: snap rolls, flaperon, ailvator, throttle preset; its flap
// travel is the stick travel of function 6 (bytes 46 and 47).
void MotorflugRows(MixerRows& rows) {
    rows.Row("57 Seite -> Quer", 118, 0x40).Value("L%", 141).Value("R%", 140);
    rows.Row("61 Gasvorwahl", 118, 0x80).Value("%", 142);
    rows.Row("62 Snap Roll 1", 117, 0x80)
        .Value("Quer %", 128)
        .Value("Höhe %", 129)
        .Value("Seite %", 130);
    rows.Row("63 Snap Roll 2", 117, 0x10)
        .Value("Quer %", 131)
        .Value("Höhe %", 132)
        .Value("Seite %", 133);
    rows.Row("64 Flaperon -> Höhe", 118, 0x20).Value("%", 137).Neutral(138, 139);
    rows.Row("65 Mischer Flaperon", 117, 0x20).Value("Quer %", 134).Value("Flap %", 135);
    rows.Row("66 Höhe -> Flap", 118, 0x10).Value("%", 127);
    rows.Row("67 Ailvator", 117, 0x40).Value("Quer %", 144).Value("Höhe %", 145);
}

}  // namespace

const PageTable& MotorflugPage() {
    static const PageTable page = FixedWingPage(kMotorflugPage, "Mischprogramm Motorflug 2", false,
                                                "53  Flaperon Weg", 46, MotorflugRows);
    return page;
}

}  // namespace fc18v3
