#include <tuple>

#include "editors/fc18v3/Fc18v3MixerRows.h"
#include "editors/fc18v3/Fc18v3Pages.h"

namespace fc18v3 {
namespace {

void AddElevatorTrims(MixerRows& rows) {
    rows.Row("62 Höhe Trimmung 1", 118, 0x02).Value("%", 142);
    rows.Row("63 Höhe Trimmung 2", 118, 0x04).Value("%", 143);
}

// Butterfly, butterfly to elevator and the camber trim of Segler 5 and Segler 4. The
// camber trim's "Ob.%" is the same byte as its "Unt.%", shown as 100 - it.
void AddButterfly(MixerRows& rows) {
    rows.Row("72 Butterfly", 117, 0x20)
        .Value("Que %", 131)
        .Value("Reihe 2 links", 136)
        .Value("Reihe 2 Mitte", 137)
        .Value("Reihe 2 rechts", 132);
    rows.Row("73 Butterfly -> Höhe", 117, 0x40).Value("%", 133).Neutral(138, 139);
    rows.Row("74 Wölbkl. Trimmung", 118, 0x01).Value("Unt.%", 135).HundredMinus("Ob.%", 135);
}

// Spoilers, camber flaps, butterfly. The spoiler mixers 64, 65 and 66 share one neutral
// point (147 left, 146 right).
void Segler5Rows(MixerRows& rows) {
    AddElevatorTrims(rows);
    rows.Row("64 Bremskl. -> Höhe", 118, 0x20).Value("%", 145).Neutral(147, 146);
    rows.Row("65 Bremskl.->Wölbkl.", 118, 0x80).Value("%", 148).Neutral(147, 146);
    rows.Row("66 Bremsklappen -> Querruder", 118, 0x08).Value("%", 144).Neutral(147, 146);
    rows.Row("67 Quer -> Wölbkl.", 117, 0x80).Value("%", 134);
    rows.Row("71 Höhe -> Bremskl.", 118, 0x10).Value("%", 127);
    AddButterfly(rows);
}

// Camber flaps with two trim presets, butterfly. The camber mixers 64 and 65 share one
// neutral point (143 left, 142 right).
void Segler4Rows(MixerRows& rows) {
    for (const auto& [caption, bit, first] :
         {std::tuple{"62 Trimmung 1", 0x40, 146}, std::tuple{"63 Trimmung 2", 0x80, 149}}) {
        rows.Row(caption, 118, static_cast<Byte>(bit))
            .Value("Quer %", first)
            .Value("Höhe %", first + 1)
            .Value("Wölb %", first + 2);
    }
    rows.Row("64 Wölbkl. -> Höhe", 118, 0x20).Value("%", 145).Neutral(143, 142);
    rows.Row("65 Wölbkl. -> Quer", 118, 0x08).Value("%", 144).Neutral(143, 142);
    rows.Row("66 Zusatztrimm. Wölbkl, Querruder", 118, 0x02, "Trimmer 5,6,7,8");
    rows.Row("67 Quer -> Wölbkl.", 117, 0x80).Value("%", 134);
    rows.Row("71 Höhe -> Wölbkl.", 118, 0x10).Value("%", 127);
    AddButterfly(rows);
}

// Flaperons; the flaperon mixer "Aktiv" switches the delta mixer off (not the reverse).
void Segler2Rows(MixerRows& rows) {
    AddElevatorTrims(rows);
    rows.Row("64 Flaperon -> Höhe", 118, 0x20).Value("%", 137).Neutral(139, 138);
    rows.Row("65 Flaperon", 117, 0x20)
        .SwitchesOff(kDeltaOff)
        .Value("Quer %", 134)
        .Value("Flap %", 135);
    rows.Row("66 Höhe -> Flaperon", 118, 0x10).Value("%", 127);
}

}  // namespace

const PageTable& Segler5Page() {
    static const PageTable page = FixedWingPage(kSegler5Page, "Mischprogramm Segler 5", true,
                                                "53 Bremskl. Weg", 50, Segler5Rows);
    return page;
}

const PageTable& Segler4Page() {
    static const PageTable page = FixedWingPage(kSegler4Page, "Mischprogramm Segler 4", true,
                                                "53 Wölbkl. Weg", 44, Segler4Rows);
    return page;
}

const PageTable& Segler2Page() {
    static const PageTable page = FixedWingPage(kSegler2Page, "Mischprogramm Segler 2", true,
                                                "53 Flaperon Weg", 44, Segler2Rows);
    return page;
}

}  // namespace fc18v3
