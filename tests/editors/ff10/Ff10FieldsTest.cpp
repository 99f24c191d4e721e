#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Ff10DataSet.h"
#include "RecordVectors.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"
#include "editors/ff10/Ff10Pages.h"
#include "editors/ff10/Ff10Rules.h"

// Hand-written vectors of the FF10 pages: record bytes -> what the page shows -> an entry ->
// the bytes it writes, and the refusals with their names, transcribed from the record
// description.
namespace {

using Bytes = RecordBytes;

constexpr int kType = 10;

struct Ff10Fixture : testing::Test, RecordEditing {
    Ff10Fixture() : RecordEditing(Ff10DataSet(), ff10::Family(), kFf10RecordSize) {}

    // Bytes into the record; a type byte comes in as a change of the model type, so that
    // the record holds its family's default block.
    void Put(const Bytes& bytes) { RecordEditing::Put(WithType(bytes)); }
    Bytes WithType(const Bytes& bytes) {
        Bytes rest;
        for (const auto& [offset, value] : bytes) {
            if (offset != kType) {
                rest.emplace_back(offset, value);
                continue;
            }
            for (const ModelTypeEntry& type : ff10::ModelTypes().entries) {
                if (type.code == value) {
                    EXPECT_TRUE(Enter("Modelltyp", type.text).ok());
                }
            }
        }
        return rest;
    }
};

class Ff10FieldTest : public Ff10Fixture, public testing::WithParamInterface<ListedField> {};

TEST_P(Ff10FieldTest, ShowsAndWritesItsBytes) {
    ListedField f = GetParam();
    f.stored = WithType(f.stored);
    ExpectListed(f);
}

const Bytes kBlankName = {{0, ' '}, {1, ' '}, {2, ' '}, {3, ' '}, {4, ' '},
                          {5, ' '}, {6, ' '}, {7, ' '}, {8, ' '}, {9, ' '}};

Bytes Name(const std::vector<Byte>& bytes) {
    Bytes name = kBlankName;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        name[i].second = bytes[i];
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    BasePage, Ff10FieldTest,
    testing::ValuesIn(Rows{
        Listed("Modellname", Name({'M', 'O', 'D', 'E', 'L', '-', '0', '0', '1', '7'}), "MODEL-0017",
               "AB", Name({'A', 'B'})),
        // the FF10's own letters; a name left as it is keeps its bytes
        {"Modellname", Name({0x5C, 0x81, 0x84, 0x89, 0x94}), "¥üäëö     ", "¥üäëö     ", {}},
        {"Modellname", Name({'M', 0x81, 'X'}), "MüX       ", "MüY", Name({'M', 0x81, 'Y'})},
        {"Modellname", kBlankName, "          ", "\\a", Name({0x5C, 'a'})},
        {"Modulation", {{84, 0x52}}, "PPM", "PCM", {{84, 0x12}}},
        {"ATL", {{84, 0x10}}, "0", "1", {{84, 0x00}}},
        {"AIL-2", {{84, 0x02}}, "2. Querruderservo", "Aus", {{84, 0x00}}},
        {"Modelltyp", {{kType, 0x87}}, "Heli HE3", "Heli HE3", {}},
        {"Modelltyp", {{kType, 0x88}}, "Heli H4X", "Heli H4X", {}},
        {"Modelltyp", {{kType, 0x03}}, "Glider 2A2F", "Glider 2A2F", {}},
        // logic switches: input A, input B with the operator in bit 7
        {"Ls1 A Schalter", {{11, 0x4A}}, "Gas", "SwC", {{11, 0x42}}},
        {"Ls1 A Position", {{11, 0x4A}}, "Up", "Ct&Up", {{11, 0x6A}}},
        {"Ls2 B Schalter", {{16, 0x93}}, "SwD", "SwH", {{16, 0x97}}},
        {"Ls2 B Position", {{16, 0x93}}, "Down", "Null", {{16, 0x83}}},
        {"Ls3 Verknüpfung", {{19, 0x93}}, "ODER", "UND", {{19, 0x13}}},
        // timers: mode byte, start switch with "Gas" and "Pwr", reset switch, time
        {"Stopuhr 1/ Modus", {{20, 0x01}}, "Ab", "Dn(S)", {{20, 0x02}}},
        {"Stopuhr 3/ Modus", {{32, 0x04}}, "Mdl", "Auf", {{32, 0x00}}},
        {"Stopuhr 1/ Start Schalter", {{21, 0x70}}, "Pwr", "A", {{21, 0x00}}},
        {"Stopuhr 1/ Start Schalter", {{21, 0x40}}, "A", "Pwr", {{21, 0x70}}},
        {"Stopuhr 1/ Start Schalter", {{21, 0x00}}, "A", "Ls2", {{21, 0x0D}}},
        {"Stopuhr 2/ Start Position Ls", {{27, 0x4D}}, "Up", "Down", {{27, 0x1D}}},
        {"Stopuhr 2/ Start Position", {{27, 0x1A}}, "Down", "Center", {{27, 0x2A}}},
        {"Stopuhr 1/ Reset Schalter", {{23, 0x0C}}, "Ls1", "Ls2", {{23, 0x0D}}},
        {"Stopuhr 3/ Reset Schalter", {{35, 0x0E}}, "Ls3", "H", {{35, 0x07}}},
        {"Stopuhr 1/ Zeit", {{24, 0x70}, {25, 0x17}}, "10:00", "5:7", {{24, 0xFE}, {25, 0x0B}}},
        {"Stopuhr 3/ Zeit", {{36, 0x00}, {37, 0x00}}, "00:00", ":30", {{36, 0x2C}, {37, 0x01}}},
        {"Trimmrate 1", {{38, 4}}, "4", "40", {{38, 40}}},
        {"Trimmung 4", {{45, 0xFB}}, "-5", "-120", {{45, 0x88}}},
        {"SubTrimm 8", {{53, 0x88}}, "-120", "120", {{53, 0x78}}},
        {"Reverse 8", {{54, 0x00}}, "0", "1", {{54, 0x80}}},
        {"Servoweg 1L", {{67, 100}}, "100", "140", {{67, 0x8C}}},
        {"Servoweg 1R", {{66, 100}}, "100", "0", {{66, 0}}},
        {"Servoweg 8L", {{81, 100}}, "100", "30", {{81, 30}}},
        {"Fail-Safe 3", {{55, 0x04}}, "1", "0", {{55, 0x00}}},
        {"Kanal 5", {{108, 0x0B}}, "SwG", "Ls1", {{108, 0x0D}}},
        {"Kanal 8", {{111, 0x01}}, "VrB", "NULL", {{111, 0x10}}},
        // channels 9 and 10: code - 5, positions in bits 4 to 6
        {"Kanal 9", {{112, 0x16}}, "SwB", "SwH", {{112, 0x1C}}},
        {"Kanal 9 Position", {{112, 0x16}}, "Down", "Up", {{112, 0x46}}},
        {"Kanal 10 Position Ls", {{113, 0x4D}}, "Up", "Down", {{113, 0x1D}}},
        {"DualRate Schalter 1", {{123, 0x13}}, "Schalter D", "Schalter A", {{123, 0x10}}},
        {"DualRate Position 2", {{125, 0x10}}, "Down", "Up", {{125, 0x40}}},
        {"DualRate Up 1R", {{132, 100}}, "100", "140", {{132, 140}}},
        {"DualRate Up 1L", {{133, 100}}, "100", "0", {{133, 0}}},
        {"DualRate Up 2L", {{134, 100}}, "100", "1", {{134, 1}}},
        {"DualRate Up 2R", {{135, 100}}, "100", "2", {{135, 2}}},
        {"DualRate Up 4R", {{136, 100}}, "100", "3", {{136, 3}}},
        {"DualRate Up 4L", {{137, 100}}, "100", "4", {{137, 4}}},
        {"DualRate Center 1R", {{138, 100}}, "100", "5", {{138, 5}}},
        {"DualRate Down 4L", {{149, 100}}, "100", "6", {{149, 6}}},
        {"Expo Up 1R", {{162, 0}}, "0", "-100", {{162, 0x9C}}},
        {"Expo Down 4L", {{179, 0x0A}}, "10", "100", {{179, 0x64}}},
        {"DualRate Up/Norm 1", {{kType, 129}, {132, 50}}, "50", "60", {{132, 60}}},
        {"DualRate Cnt/Idle1 2", {{kType, 129}, {136, 50}}, "50", "61", {{136, 61}}},
        {"DualRate Hold 4", {{kType, 129}, {146, 50}}, "50", "62", {{146, 62}}},
        {"Expo Up/Norm 1", {{kType, 130}, {147, 0}}, "0", "-1", {{147, 0xFF}}},
        {"Expo Idle3 4", {{kType, 130}, {158, 0}}, "0", "-2", {{158, 0xFE}}},
        {"Expo Hold 4", {{kType, 130}, {161, 0}}, "0", "-3", {{161, 0xFD}}},
        {"Expo Kanal 3", {{250, 0xF6}}, "-10", "100", {{250, 0x64}}}}));

INSTANTIATE_TEST_SUITE_P(
    AcrobaticPage, Ff10FieldTest,
    testing::ValuesIn(Rows{
        {"ThrCut", {{131, 0x28}}, "40", "0", {{131, 0}}},
        {"ThrCut Schalter", {{129, 0x00}}, "A", "Ls3", {{129, 0x0E}}},
        {"V-Leitwerk E1", {{251, 0x32}}, "50", "1", {{251, 1}}},
        {"V-Leitwerk E2", {{252, 0xCE}}, "-50", "2", {{252, 2}}},
        {"V-Leitwerk R2", {{253, 0x32}}, "50", "3", {{253, 3}}},
        {"V-Leitwerk R1", {{254, 0x32}}, "50", "-100", {{254, 0x9C}}},
        {"FlapTrim", {{255, 0x00}}, "0", "-100", {{255, 0x9C}}},
        {"FLP/AIL/ELE - Flp 1", {{256, 0x64}}, "100", "-120", {{256, 0x88}}},
        {"FLP/AIL/ELE - Flp 2", {{257, 0x9C}}, "-100", "120", {{257, 0x78}}},
        {"FLP/AIL/ELE - Ail 1R", {{258, 0x64}}, "100", "4", {{258, 4}}},
        {"FLP/AIL/ELE - Ail 2L", {{261, 0x64}}, "100", "5", {{261, 5}}},
        {"Ailvator A3", {{279, 0xCE}}, "-50", "6", {{279, 6}}},
        {"Ailvator A4", {{280, 0xCE}}, "-50", "7", {{280, 7}}},
        {"Ailvator E1", {{281, 0x9C}}, "-100", "8", {{281, 8}}},
        {"Ailvator E2", {{282, 0x64}}, "100", "9", {{282, 9}}},
        {"Ele->Flap Schalter", {{283, 0x42}}, "C", "Ls1", {{283, 0x4C}}},
        {"Ele->Flap Position", {{283, 0x42}}, "Up", "Dn&Ct", {{283, 0x32}}},
        {"Ele->Flap L", {{286, 0x32}}, "50", "10", {{286, 10}}},
        {"Ele->Flap H", {{287, 0x32}}, "50", "11", {{287, 11}}},
        {"Kreisel 1 Up", {{295, 0x64}}, "100", "0", {{295, 0}}},
        {"Kreisel 2 Dn", {{303, 0x64}}, "100", "12", {{303, 12}}},
        {"Airbrake->Ail1", {{309, 0x32}}, "50", "13", {{309, 13}}},
        {"Airbrake->Flap", {{310, 0x32}}, "50", "14", {{310, 14}}},
        {"Airbrake->Ail2", {{311, 0x32}}, "50", "15", {{311, 15}}},
        {"Airbrake->Ele", {{312, 0xF6}}, "-10", "16", {{312, 16}}},
        {"Airbrake->Delay", {{313, 0}}, "0", "50", {{313, 50}}},
        {"GasKurve UP 1", {{323, 0x00}}, "0.0", "37.5", {{323, 0x4B}}},
        {"GasKurve UP 7", {{329, 0xC8}}, "100.0", "0.7", {{329, 0x01}}},
        {"GasKurve 1 CT", {{335, 0x32}}, "25.0", "62.5", {{335, 0x7D}}},
        {"GasKurve 7 DN", {{353, 0xC8}}, "100.0", "75", {{353, 0x96}}},
        {"ThrDelay", {{371, 0x80}}, "0", "50", {{371, 0xB2}}},
        {"IdleDown Schalter", {{372, 0x32}}, "C", "D", {{372, 0x33}}},
        {"IdleDown Position", {{372, 0x32}}, "Dn&Ct", "Down", {{372, 0x12}}},
        {"IdleDown", {{373, 0}}, "0", "40", {{373, 40}}},
        {"ThrNeedl Acc", {{378, 0}}, "0", "100", {{378, 100}}},
        {"ThrNeedl 1", {{382, 0x00}}, "0.0", "25", {{382, 0x32}}},
        {"ThrNeedl 5", {{386, 0xC8}}, "100.0", "62.5", {{386, 0x7D}}},
        {"SnapRol Schalter 1", {{429, 0x80}}, "Null", "B", {{429, 0x01}}},
        {"SnapRol Safe Mode", {{429, 0x40}, {430, 0x40}}, "On", "Free", {{429, 0x00}, {430, 0x00}}},
        {"SnapRol->Ail R/U", {{431, 0x64}}, "100", "17", {{431, 17}}},
        {"SnapRol->Ail L/U", {{432, 0x9C}}, "-100", "18", {{432, 18}}},
        {"SnapRol->Rud L/D", {{442, 0x64}}, "100", "19", {{442, 19}}}}));

const Bytes kGlider = {{kType, 1}};
Bytes Glider(Bytes bytes) {
    bytes.insert(bytes.begin(), kGlider.begin(), kGlider.end());
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    GliderPage, Ff10FieldTest,
    testing::ValuesIn(Rows{
        {"ThrCut", Glider({{131, 0xE2}}), "-30", "30", {{131, 0x1E}}},
        {"FLP/AIL/ELE - Flp 1", Glider({{256, 0x64}}), "100", "1", {{256, 1}}},
        {"Ele->Flap L Normal", Glider({{286, 0x0A}}), "10", "-1", {{286, 0xFF}}},
        {"Ele->Flap L Start", Glider({{290, 0x0A}}), "10", "-100", {{290, 0x9C}}},
        {"Ele->Quer H Landung", Glider({{305, 0x0A}}), "10", "2", {{305, 2}}},
        {"Ail->Flap 1L Speed", Glider({{340, 0}}), "0", "3", {{340, 3}}},
        {"Ail->Flap 2L Landung", Glider({{350, 0}}), "0", "4", {{350, 4}}},
        {"Wölb-Trimm Geber Normal", Glider({{351, 0x80}}), "NULL", "VrC", {{351, 0x02}}},
        {"Wölb-Trimm Geber Start", Glider({{359, 0x04}}), "VrE", "NULL", {{359, 0x80}}},
        {"Wölb-Trimm Quer L Normal", Glider({{353, 0x1E}}), "30", "5", {{353, 5}}},
        {"Wölb-Trimm Höhe H Landung", Glider({{390, 0x1E}}), "30", "-30", {{390, 0xE2}}},
        {"Quer - Seite Mix R Normal", Glider({{396, 0}}), "0", "6", {{396, 6}}},
        {"Quer - Seite Mix L Distance", Glider({{403, 0}}), "0", "100", {{403, 0x64}}},
        {"Offset->Quer 1 Start", Glider({{410, 0}}), "0", "7", {{410, 7}}},
        {"Offset->Quer 2 Landung", Glider({{433, 0}}), "0", "8", {{433, 8}}},
        {"Offset->Delay Quer", Glider({{406, 0}}), "0", "9", {{406, 9}}},
        {"Offset->Delay Flap", Glider({{409, 0}}), "0", "100", {{409, 100}}},
        {"Butterfly Schalter", Glider({{308, 0x10}}), "A", "B", {{308, 0x11}}},
        {"Butterfly Flap", Glider({{310, 0}}), "0", "-125", {{310, 0x83}}},
        {"Butterfly Quer 1", Glider({{309, 0}}), "0", "125", {{309, 0x7D}}},
        {"Butterfly Quer 2", Glider({{311, 0}}), "0", "10", {{311, 10}}},
        {"Butterfly Spoi", Glider({{312, 0}}), "0", "100", {{312, 100}}},
        {"Butt-Höhe Mid", Glider({{314, 0}}), "0", "11", {{314, 11}}},
        {"Butt-Höhe End", Glider({{316, 0}}), "0", "12", {{316, 12}}},
        {"Butt-Höhe Delay", Glider({{318, 0}}), "0", "13", {{318, 13}}},
        {"Butterfly2 Schalter", Glider({{319, 0x00}}), "A", "Ls2", {{319, 0x0D}}},
        {"Butterfly2 Flap", Glider({{321, 0}}), "0", "14", {{321, 14}}},
        {"Butterfly2 Quer 1", Glider({{320, 0}}), "0", "15", {{320, 15}}},
        {"Butterfly2 Quer 2", Glider({{322, 0}}), "0", "16", {{322, 16}}},
        {"Butterfly2 Spoi", Glider({{323, 0}}), "0", "17", {{323, 17}}},
        {"Butt-Höhe2 Mid", Glider({{325, 0}}), "0", "18", {{325, 18}}},
        {"Butt-Höhe2 End", Glider({{327, 0}}), "0", "19", {{327, 19}}},
        {"Butt-Höhe2 Delay", Glider({{329, 0}}), "0", "20", {{329, 20}}},
        {"Spoiler Schalter", Glider({{438, 0x11}}), "B", "C", {{438, 0x12}}},
        {"Spoiler 1 Off", Glider({{440, 0xCE}}), "-50", "21", {{440, 21}}},
        {"Spoiler 1 On", Glider({{441, 0x32}}), "50", "22", {{441, 22}}},
        {"Spoiler 2 Off", Glider({{443, 0xCE}}), "-50", "23", {{443, 23}}},
        {"Spoiler 2 On", Glider({{444, 0x32}}), "50", "24", {{444, 24}}},
        {"Spoiler Höhe", Glider({{445, 0}}), "0", "25", {{445, 25}}},
        {"Spoiler Höhe Delay", Glider({{446, 0}}), "0", "26", {{446, 26}}},
        {"FlapTrim L", Glider({{447, 0}}), "0", "27", {{447, 27}}},
        {"FlapTrim H", Glider({{448, 0}}), "0", "28", {{448, 28}}},
        {"Wölb-Flap 1L", Glider({{449, 0x1E}}), "30", "29", {{449, 29}}},
        {"Wölb-Flap Cnt", Glider({{453, 0}}), "0", "31", {{453, 31}}},
        {"Startverz. Höhe", Glider({{455, 5}}), "5", "32", {{455, 32}}},
        {"Startverz. Seite", Glider({{456, 5}}), "5", "33", {{456, 33}}},
        {"Startverz. Quer", Glider({{457, 5}}), "5", "34", {{457, 34}}}}));

Bytes Heli(int type, Bytes bytes) {
    bytes.insert(bytes.begin(), {kType, static_cast<Byte>(type)});
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    HeliPage, Ff10FieldTest,
    testing::ValuesIn(Rows{
        {"Pitchkurve 1 Normal", Heli(129, {{263, 0x00}}), "-100", "100", {{263, 0xC8}}},
        {"Pitchkurve 2 Normal", Heli(129, {{264, 0x32}}), "-50", "-100", {{264, 0}}},
        {"Pitchkurve 4 Normal", Heli(129, {{266, 0x64}}), "0", "1", {{266, 0x65}}},
        {"Pitchkurve 1 Idle1", Heli(129, {{275, 0x00}}), "-100", "2", {{275, 0x66}}},
        {"Pitchkurve 7 Hold", Heli(129, {{317, 0xC8}}), "100", "-25", {{317, 0x4B}}},
        {"Gaskurve 1 Normal", Heli(130, {{323, 0x00}}), "0.0", "50", {{323, 0x64}}},
        {"Gaskurve 1 Idle3", Heli(130, {{359, 0x00}}), "0.0", "37.5", {{359, 0x4B}}},
        {"Gaskurve 7 Idle3", Heli(130, {{365, 0xC8}}), "100.0", "0", {{365, 0}}},
        {"RevoMix 1 Normal", Heli(131, {{234, 0xEC}}), "-20", "20", {{234, 0x14}}},
        {"RevoMix 1 Idle1", Heli(131, {{239, 0}}), "0", "-5", {{239, 0xFB}}},
        {"RevoMix 5 Idle2", Heli(131, {{248, 0}}), "0", "5", {{248, 5}}},
        {"Needl 1 Normal", Heli(132, {{382, 0x00}}), "0.0", "100", {{382, 0xC8}}},
        {"Needl 5 Idle3", Heli(132, {{401, 0xC8}}), "100.0", "12.5", {{401, 0x19}}},
        {"GasMix Roll Normal", Heli(133, {{180, 0}}), "0.0", "50", {{180, 0x64}}},
        {"GasMix Nick Idle1", Heli(133, {{184, 0}}), "0.0", "25", {{184, 0x32}}},
        {"GasMix Heck Idle3", Heli(133, {{191, 0}}), "0", "-100", {{191, 0x9C}}},
        {"Pitchweg Low Normal", Heli(134, {{164, 0xE4}}), "100", "60", {{164, 0xBC}}},
        {"Pitchweg High Normal", Heli(134, {{165, 0x64}}), "100", "99", {{165, 0x63}}},
        {"Pitchweg High Hold", Heli(134, {{173, 0x64}}), "100", "75", {{173, 0x4B}}},
        {"Offset Roll Idle1", Heli(135, {{250, 0}}), "0", "-120", {{250, 0x88}}},
        {"Offset Nick Idle2", Heli(135, {{254, 0}}), "0", "1", {{254, 1}}},
        {"Offset Heck Hold", Heli(135, {{261, 0}}), "0", "120", {{261, 0x78}}},
        {"Offset Ein", Heli(135, {{115, 0x00}}), "0", "1", {{115, 0x01}}},
        {"Offset Schalter", Heli(135, {{249, 0x80}}), "A", "D", {{249, 0x83}}},
        {"Offset nach Flugzustand", Heli(135, {{249, 0x80}}), "1", "0", {{249, 0x00}}},
        {"Hover Gas Geber", Heli(136, {{175, 0x02}}), "+ Vr-C", "- Vr-A", {{175, 0x10}}},
        {"Hover Gas", Heli(136, {{176, 0}}), "0", "100", {{176, 0x64}}},
        {"Hover Pitch Geber", Heli(136, {{177, 0x00}}), "+ Vr-A", "NULL", {{177, 0x80}}},
        {"Hover Pitch", Heli(136, {{178, 0}}), "0", "-100", {{178, 0x9C}}},
        {"Delay Gas", Heli(129, {{372, 0}}), "0", "1", {{372, 1}}},
        {"Delay Ail", Heli(129, {{417, 0}}), "0", "2", {{417, 2}}},
        {"Delay Ele", Heli(129, {{418, 0}}), "0", "3", {{418, 3}}},
        {"Delay Rud", Heli(130, {{419, 0}}), "0", "4", {{419, 4}}},
        {"Delay Pitch", Heli(130, {{174, 0}}), "0", "5", {{174, 5}}},
        {"Governor Schalter", Heli(130, {{375, 0x12}}), "C", "H", {{375, 0x17}}},
        {"Governor 1", Heli(130, {{377, 0x00}}), "0.0", "10", {{377, 20}}},
        {"Governor 2", Heli(130, {{378, 0x64}}), "50.0", "100", {{378, 0xC8}}},
        {"Gyro Schalter", Heli(131, {{403, 0x15}}), "F", "A", {{403, 0x10}}},
        {"Gyro 1", Heli(131, {{404, 0x64}}), "50.0", "25", {{404, 0x32}}},
        {"Gyro 5", Heli(131, {{408, 0x64}}), "50.0", "100", {{408, 0xC8}}},
        {"SWASH AFR Roll", Heli(130, {{414, 0x32}}), "50", "-100", {{414, 0x9C}}},
        {"SWASH AFR Heck", Heli(130, {{416, 0x32}}), "50", "1", {{416, 1}}},
        {"Gaskpos. Autorot.", Heli(132, {{371, 0}}), "0", "-50", {{371, 0xCE}}},
        {"ThrCut", Heli(132, {{131, 0}}), "0", "-30", {{131, 0xE2}}},
        {"ThrCut Schalter", Heli(132, {{129, 0x17}}), "H", "A", {{129, 0x10}}}}));

INSTANTIATE_TEST_SUITE_P(
    MixersPage, Ff10FieldTest,
    testing::ValuesIn(Rows{{"Mischer 1 Master", {{194, 0x03}}, "AIL", "RUD", {{194, 0x1B}}},
                           {"Mischer 1 Slave", {{194, 0x03}}, "RUD", "AIL", {{194, 0x00}}},
                           {"Mischer 1 Ein", {{194, 0x03}}, "0", "1", {{194, 0x83}}},
                           {"Mischer 1 Schalter", {{195, 0x71}}, "B", "Gas", {{195, 0x7A}}},
                           {"Mischer 1 Position", {{195, 0x71}}, "Null", "Up", {{195, 0x41}}},
                           {"Mischer 1 R", {{198, 0}}, "0", "-100", {{198, 0x9C}}},
                           {"Mischer 1 L", {{199, 0}}, "0", "100", {{199, 0x64}}},
                           {"Mischer 2 R", {{204, 0}}, "0", "1", {{204, 1}}},
                           {"Mischer 3 L", {{211, 0}}, "0", "2", {{211, 2}}},
                           {"Mischer 4 L", {{217, 0}}, "0", "3", {{217, 3}}},
                           {"Mischer 4 Master", {{212, 0x13}}, "THR", "ELE", {{212, 0x0B}}},
                           {"Mischer 1 Trim.", {{192, 0x00}}, "0", "1", {{192, 0x01}}},
                           {"Mischer 4 Link", {{193, 0x00}}, "0", "1", {{193, 0x08}}},
                           {"Mischer 5 Master", {{218, 0x18}}, "RUD", "AIL", {{218, 0x00}}},
                           {"Mischer 5 Link", {{193, 0x00}}, "0", "1", {{193, 0x10}}},
                           {"Mischer 8 Link", {{193, 0x00}}, "0", "1", {{193, 0x80}}},
                           {"Mischer 5 - 1", {{221, 0}}, "0", "-100", {{221, 0x9C}}},
                           {"Mischer 8 - 5", {{249, 0}}, "0", "4", {{249, 4}}},
                           {"Mischer 5 Schalter", {{219, 0x7C}}, "Ls1", "E", {{219, 0x74}}},
                           {"Mischer 5 Position Ls", {{219, 0x7C}}, "Null", "Up", {{219, 0x4C}}},
                           {"Mischer 8 Position Ls", {{243, 0x1E}}, "Down", "Null", {{243, 0x7E}}},
                           {"Mischer 6 Ein", Heli(129, {{226, 0x01}}), "0", "1", {{226, 0x81}}}}));

class Ff10RefusalTest : public Ff10Fixture, public testing::WithParamInterface<RefusedEntry> {};

TEST_P(Ff10RefusalTest, RefusesWithTheRecordsName) {
    RefusedEntry r = GetParam();
    r.stored = WithType(r.stored);
    ExpectRefused(r);
}

std::string WrongEntry(const std::string& name) {
    return "Falsche Eingabe '" + name + "'\r\nFormat: mm:ss\r\n\r\nWert wird zurückgesetzt";
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Ff10RefusalTest,
    testing::Values(
        Refused("Servoweg 1L", "141", 219, "Servoweg 1L", 0, 140),
        Refused("Trimmrate 1", "41", 219, "Trimmrate 1", 1, 40),
        Refused("Trimmung 1", "-121", 219, "Trimmung 1", -120, 120),
        Refused("DualRate Up 1R", "141", 219, "DualRate Up 1R", 0, 140),
        Refused("Expo Kanal 3", "101", 219, "Expo Kanal 3", -100, 100),
        Refused("Stopuhr 1/ Zeit", "60:00", -1, WrongEntry("Stopuhr 1/ min")),
        Refused("Stopuhr 3/ Zeit", "00:60", -1, WrongEntry("Stopuhr 3/ sek")),
        Refused("Stopuhr 2/ Zeit", "123456:00", -1, WrongEntry("Stopuhr 2/ Zeit")),
        Refused("DualRate Schalter 1", "Cond", 237, ""),
        Refused("DualRate Schalter 2", "THR", 236, "", 0, 0, {{kType, 129}}),
        Refused("Expo Idle3 4", "101", 219, "Expo Idle3 4R", -100, 100, {{kType, 129}}),
        Refused("DualRate Cnt/Idle1 1", "141", 219, "DualRate Cnt/Idle1 1", 0, 140, {{kType, 129}}),
        Refused("ThrCut", "41", 219, "ThrCut", 0, 40),
        Refused("ThrCut", "-1", 219, "ThrCut", 0, 40),
        Refused("ThrCut", "31", 219, "ThrCut", -30, 30, {{kType, 1}}),
        Refused("ThrCut", "-31", 219, "ThrCut", -30, 30, {{kType, 133}}),
        Refused("Kreisel 1 Up", "101", 219, "Kreisel 1 Up", 0, 100),
        Refused("IdleDown", "41", 219, "IdleDown", 0, 40),
        Refused("Ele->Flap L Start", "101", 219, "Ele->Flap L Start", -100, 100, {{kType, 2}}),
        Refused("Wölb-Trimm Quer L Landung", "-101", 219, "Wölb-Trimm Quer L Landung", -100, 100,
                {{kType, 2}}),
        Refused("Butterfly Flap", "126", 219, "Butterfly Flap", -125, 125, {{kType, 2}}),
        Refused("Butterfly2 Spoi", "-1", 219, "Butterfly2 Spoi", 0, 100, {{kType, 2}}),
        Refused("Startverz. Quer", "101", 219, "Startverz. Quer", 0, 100, {{kType, 3}}),
        Refused("Pitchkurve 1 Normal", "101", 219, "Pitchkurve 1 Normal", -100, 100,
                {{kType, 129}}),
        Refused("RevoMix 2 Idle1", "101", 219, "RevoMix Normal 2 Idle1", -100, 100, {{kType, 129}}),
        Refused("Pitchweg Low Hold", "59", 219, "Pitchweg Low Hold", 60, 100, {{kType, 129}}),
        Refused("Delay Ail", "101", 219, "Delay Roll", 0, 100, {{kType, 129}}),
        Refused("Delay Rud", "101", 219, "Delay Heck", 0, 100, {{kType, 129}}),
        Refused("Hover Gas", "101", 219, "Schwebegas", -100, 100, {{kType, 129}}),
        Refused("Hover Pitch", "-101", 219, "Schwebepitch", -100, 100, {{kType, 129}}),
        Refused("Gaskpos. Autorot.", "51", 219, "Autorotation", -50, 50, {{kType, 129}}),
        Refused("SWASH AFR Nick", "-101", 219, "SWASH AFR Nick", -100, 100, {{kType, 130}}),
        Refused("Offset Roll Idle1", "121", 219, "Offset Roll Idle1", -120, 120, {{kType, 130}}),
        Refused("Mischer 1 R", "101", 219, "Mischer 1 R", -100, 100),
        Refused("Mischer 7 - 3", "-101", 219, "Mischer 7 - 3", -100, 100)));

TEST_F(Ff10Fixture, ShownOnlyFieldsShowTheirBytes) {
    Put({{22, 0x2A}, {56, 0x81}, {124, 0x23}, {197, 0xF6}, {307, 0x58}});
    EXPECT_EQ(Shown("Stopuhr 1/ Begleitbyte"), "42");
    EXPECT_EQ(Shown("Fail-Safe Position 1"), "-127");
    EXPECT_EQ(Shown("Schaltpunkt 1"), "35");
    EXPECT_EQ(Shown("Mischer 1 Offset"), "-10");
    EXPECT_EQ(Shown("Airbrake Knueppelposition"), "88");
}

// A switch chosen on its own keeps the position its list shows; "Pwr" has no positions, and
// a logic switch offers two.
TEST_F(Ff10Fixture, TheStartSwitchAndItsPositions) {
    Put({{21, 0x40}});
    EXPECT_EQ(Shown("Stopuhr 1/ Start Position"), "Up");
    EXPECT_EQ(Shown("Stopuhr 1/ Start Position Ls"), "(not shown)");
    ASSERT_TRUE(Enter("Stopuhr 1/ Start Schalter", "Ls1").ok());
    EXPECT_EQ(Slot()[21], 0x4C);
    EXPECT_EQ(Shown("Stopuhr 1/ Start Position Ls"), "Up");
    EXPECT_EQ(Shown("Stopuhr 1/ Start Position"), "(not shown)");
    ASSERT_TRUE(Enter("Stopuhr 1/ Start Schalter", "Pwr").ok());
    EXPECT_EQ(Slot()[21], 0x70);
    EXPECT_EQ(Shown("Stopuhr 1/ Start Position Ls"), "(not shown)");
    EXPECT_EQ(Shown("Stopuhr 1/ Start Position"), "(not shown)");
    // the reset switch keeps its positions and bit 7
    Put({{23, 0xC2}});
    ASSERT_TRUE(Enter("Stopuhr 1/ Reset Schalter", "Ls3").ok());
    EXPECT_EQ(Slot()[23], 0xCE);
    EXPECT_EQ(Shown("Stopuhr 1/ Reset Position Ls"), "Up");
}

// The helicopter page's conditions: each variant of a group addresses its own bytes.
TEST_F(Ff10Fixture, EachConditionHasItsOwnBytes) {
    Put({{kType, 130}});
    const char* conditions[] = {"Normal", "Idle1", "Idle2", "Idle3", "Hold"};
    for (int c = 0; c < 5; ++c) {
        const std::string condition = conditions[c];
        ASSERT_TRUE(Enter("Pitchkurve 3 " + condition, std::to_string(10 + c)).ok());
        EXPECT_EQ(Slot()[static_cast<std::size_t>(265 + 12 * c)], 110 + c) << condition;
        ASSERT_TRUE(Enter("Pitchweg High " + condition, "70").ok());
        EXPECT_EQ(Slot()[static_cast<std::size_t>(165 + 2 * c)], 70) << condition;
    }
}

}  // namespace
