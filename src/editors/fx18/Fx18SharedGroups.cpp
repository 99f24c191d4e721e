#include "editors/fx18/Fx18SharedGroups.h"

#include <string>

namespace fx18 {
namespace {

constexpr int kMixerSwitches = 110;
constexpr int kWingFlags = 111;
constexpr int kLimitOffset = 118;
constexpr int kSharedOffset = 117;

// A mixer group "<caption>" that starts with its "<name> Ein" box (ticked when the bit of
// byte 110 is clear) and its rate "<name> %".
void AddOnOffMixer(PageBuilder& page, const std::string& caption, const std::string& name, Byte bit,
                   int rateOffset) {
    page.Group(caption).FlagTickedWhenClear(name + " Ein", kMixerSwitches, bit).Label("Ein");
    AddPercent(page, name + " %", rateOffset, -100, 100, "%");
}

void AddLimit(PageBuilder& page, const std::string& key, const std::string& label) {
    page.Add(key, kLimitOffset, codec::Mapped({true, LimitShown, LimitStored, "limit"}))
        .AlsoRange(0, 100)
        .Label(label)
        .Tooltip("0 ... 100");
}

}  // namespace

void AddPercent(PageBuilder& page, const std::string& key, int offset, int min, int max,
                const std::string& label) {
    page.Signed(key, offset, min, max)
        .Label(label)
        .Tooltip(std::to_string(min) + " ... " + std::to_string(max));
}

int LimitShown(int stored) {
    return 100 - (stored + 120) * 100 / 240;
}

int LimitStored(int shown) {
    return (100 - shown) * 240 / 100 - 119;
}

void AddAileronToRudder(PageBuilder& page) {
    AddOnOffMixer(page, "QU-S Quer. -> Seite", "QU-S", 0x01, 114);
}

void AddFlaperonLimitAndMixer(PageBuilder& page) {
    AddLimit(page, "Flaperon Limit", "Limit");
    page.Flag("Flaperon Limit Neg", 96, 0x80).Label("Limit Neg");
    page.Unsigned("Flaperon Mischer", 116, 0, 100, 0x7F).Label("Mischer %").Tooltip("0 ... 100");
    page.Flag("Flaperon Mischer Neg", 116, 0x80).Label("Mischer Neg");
}

void AddFlaperon(PageBuilder& page) {
    page.Group("Flaperon").FlagTickedWhenClear("FLTR Ein", kWingFlags, 0x08).Label("FLTR Ein");
    AddPercent(page, "Flaperon L%", 133, -100, 100, "L%");
    AddPercent(page, "Flaperon R%", 134, -100, 100, "R%");
    AddPercent(page, "Flaperon Offset", kSharedOffset, -125, 125, "Offset");
}

void AddCamberFlaps(PageBuilder& page) {
    AddOnOffMixer(page, "Wölbklappen WO-H", "WO-H", 0x10, 115);
    AddPercent(page, "WO-H Offset %", kSharedOffset, -125, 125, "Offset %");
    AddLimit(page, "WO-H Limit %", "Limit %");
    page.Flag("WO-H Neg", 96, 0x80).Label("Neg");
}

void AddVTail(PageBuilder& page, AfterWriteHook afterWrite) {
    page.Group("V-Leitwerk")
        .FlagTickedWhenClear("V-Leitwerk Ein", kWingFlags, 0x10)
        .Label("Ein")
        .AfterWrite(afterWrite);
    AddPercent(page, "V-Leitwerk Kanal 2 %", 119, -100, 100, "Kanal 2 %");
    AddPercent(page, "V-Leitwerk Kanal 4 %", 120, -100, 100, "Kanal 4 %");
}

void AddElevatorMixers(PageBuilder& page) {
    AddOnOffMixer(page, "SE-H Seite -> Höhe", "SE-H", 0x08, 136);
    AddOnOffMixer(page, "QU-H Quer. -> Höhe", "QU-H", 0x04, 135);
}

}  // namespace fx18
