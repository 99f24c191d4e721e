#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "Fc18v3DataSet.h"
#include "RecordVectors.h"
#include "editors/FieldCodec.h"
#include "editors/codecs/FieldCodec.h"
#include "editors/fc18v3/Fc18v3Pages.h"

// The FC18V3 mixing-program pages: every field shows and writes the bytes the record
// description gives, written out here by hand.
namespace {

using Bytes = RecordBytes;

constexpr Byte kSegler5 = 1;
constexpr Byte kSegler4 = 2;
constexpr Byte kSegler2 = 3;
constexpr Byte kMotorflug = 4;
constexpr Byte kHeliR3 = 5;

// Model 0 in edit mode, its program chosen on the base page.
struct MixingFixture : RecordEditing, testing::Test {
    MixingFixture() : RecordEditing(Fc18v3DataSet(), fc18v3::Family(), kFc18v3RecordSize) {}

    // The program with its default bytes, as the base page's list writes it.
    void ChooseProgram(Byte program) {
        const char* const names[] = {"Standard", "Segler 5",  "Segler 4",
                                     "Segler 2", "Motorflug", "Heli R3"};
        ASSERT_TRUE(Enter("Mischprogramm", names[program]).ok());
        ASSERT_EQ(Slot()[115], program);
    }
};

// A vector of the page the program in byte 115 brings.
struct Vector {
    Byte program;
    ListedField field;
};

std::ostream& operator<<(std::ostream& out, const Vector& v) {
    return out << int{v.program} << ": " << v.field;
}

std::vector<Vector> On(Byte program, const Rows& rows) {
    std::vector<Vector> vectors;
    for (const ListedField& row : rows) {
        vectors.push_back({program, row});
    }
    return vectors;
}

class MixingVectorTest : public MixingFixture, public testing::WithParamInterface<Vector> {};

TEST_P(MixingVectorTest, ShowsAndWritesItsBytes) {
    const Vector& v = GetParam();
    ChooseProgram(v.program);
    ExpectListed(v.field);
}

INSTANTIATE_TEST_SUITE_P(
    Motorflug, MixingVectorTest,
    testing::ValuesIn(On(
        kMotorflug, {{"51 Zusatztrimmung 1", {{152, 0xF6}}, "-10", "5", {{152, 5}}},
                     {"51 Zusatztrimmung 8", {{159, 0}}, "0", "-128", {{159, 0x80}}},
                     {"52 Expo Störkl. %", {{126, 0xFB}}, "-20", "-22", {{126, 0xFA}}},
                     {"52 Expo Störkl. %", {{126, 0x19}}, "100", "50", {{126, 0x0C}}},
                     {"53 Flaperon Weg Ob.%", {{46, 100}}, "100", "200", {{46, 200}}},
                     {"53 Flaperon Weg Unt.%", {{47, 0xC8}}, "200", "5", {{47, 5}}},
                     {"54 Quer -> Seite", {{117, 0xFF}}, "Aus", "Aktiv", {{117, 0xFD}}},
                     {"54 Quer -> Seite %", {{121, 50}}, "50", "-50", {{121, 0xCE}}},
                     {"55 Seite -> Höhe", {{117, 0x00}}, "Aktiv", "Aus", {{117, 0x04}}},
                     {"55 Seite -> Höhe L%", {{123, 0xCE}}, "-50", "-36", {{123, 0xDC}}},
                     {"55 Seite -> Höhe R%", {{122, 50}}, "50", "127", {{122, 0x7F}}},
                     {"56 Querruder Differenzierung", {{117, 0xFE}}, "Aktiv", "Aus", {{117, 0xFF}}},
                     {"56 Querruder Differenzierung %", {{120, 100}}, "100", "0", {{120, 0}}},
                     {"57 Seite -> Quer", {{118, 0x40}}, "Aus", "Aktiv", {{118, 0x00}}},
                     {"57 Seite -> Quer L%", {{141, 30}}, "30", "-30", {{141, 0xE2}}},
                     {"57 Seite -> Quer R%", {{140, 20}}, "20", "21", {{140, 21}}},
                     {"61 Gasvorwahl", {{118, 0x7F}}, "Aktiv", "Aus", {{118, 0xFF}}},
                     {"61 Gasvorwahl %", {{142, 0}}, "0", "-100", {{142, 0x9C}}},
                     {"62 Snap Roll 1", {{117, 0x80}}, "Aus", "Aktiv", {{117, 0x00}}},
                     {"62 Snap Roll 1 Quer %", {{128, 1}}, "1", "2", {{128, 2}}},
                     {"62 Snap Roll 1 Höhe %", {{129, 1}}, "1", "3", {{129, 3}}},
                     {"62 Snap Roll 1 Seite %", {{130, 1}}, "1", "4", {{130, 4}}},
                     {"63 Snap Roll 2", {{117, 0xEF}}, "Aktiv", "Aus", {{117, 0xFF}}},
                     {"63 Snap Roll 2 Quer %", {{131, 0}}, "0", "5", {{131, 5}}},
                     {"63 Snap Roll 2 Höhe %", {{132, 0}}, "0", "6", {{132, 6}}},
                     {"63 Snap Roll 2 Seite %", {{133, 0}}, "0", "7", {{133, 7}}},
                     {"64 Flaperon -> Höhe", {{118, 0x20}}, "Aus", "Aktiv", {{118, 0x00}}},
                     {"64 Flaperon -> Höhe %", {{137, 0}}, "0", "8", {{137, 8}}},
                     {"64 Flaperon -> Höhe Neutral % links", {{138, 5}}, "5", "6", {{138, 6}}},
                     {"64 Flaperon -> Höhe Neutral % rechts", {{139, 5}}, "5", "-6", {{139, 0xFA}}},
                     {"65 Mischer Flaperon", {{117, 0x20}}, "Aus", "Aktiv", {{117, 0x00}}},
                     {"65 Mischer Flaperon Quer %", {{134, 0}}, "0", "9", {{134, 9}}},
                     {"65 Mischer Flaperon Flap %", {{135, 0}}, "0", "10", {{135, 10}}},
                     {"66 Höhe -> Flap", {{118, 0x10}}, "Aus", "Aktiv", {{118, 0x00}}},
                     {"66 Höhe -> Flap %", {{127, 0}}, "0", "11", {{127, 11}}},
                     {"67 Ailvator", {{117, 0x40}}, "Aus", "Aktiv", {{117, 0x00}}},
                     {"67 Ailvator Quer %", {{144, 0}}, "0", "12", {{144, 12}}},
                     {"67 Ailvator Höhe %", {{145, 0}}, "0", "13", {{145, 13}}},
                     // no exclusion on the Motorflug page: the V-tail bit stays clear
                     {"75 Delta", {{117, 0x00}, {119, 0xFF}}, "Aus", "Aktiv", {{119, 0xFE}}},
                     {"75 Delta Quer %", {{160, 50}}, "50", "14", {{160, 14}}},
                     {"75 Delta Höhe %", {{161, 50}}, "50", "15", {{161, 15}}}})));

INSTANTIATE_TEST_SUITE_P(
    Segler5, MixingVectorTest,
    testing::ValuesIn(On(
        kSegler5,
        {{"53 Bremskl. Weg Ob.%", {{50, 100}}, "100", "90", {{50, 90}}},
         {"53 Bremskl. Weg Unt.%", {{51, 100}}, "100", "80", {{51, 80}}},
         Listed("57 Mischer V-Leitw.", {{117, 0x08}, {119, 0x00}}, "Aus", "Aktiv",
                {{117, 0x00}, {119, 0x01}}),
         {"57 Mischer V-Leitw. Höhe %", {{129, 0}}, "0", "1", {{129, 1}}},
         {"57 Mischer V-Leitw. Seite %", {{128, 0}}, "0", "2", {{128, 2}}},
         {"61 Störklappe -> Höhe", {{117, 0x10}}, "Aus", "Aktiv", {{117, 0x00}}},
         {"61 Störklappe -> Höhe %", {{130, 0}}, "0", "3", {{130, 3}}},
         {"61 Störklappe -> Höhe Neutral % links", {{141, 0}}, "0", "4", {{141, 4}}},
         {"61 Störklappe -> Höhe Neutral % rechts", {{140, 0}}, "0", "5", {{140, 5}}},
         {"62 Höhe Trimmung 1", {{118, 0x02}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"62 Höhe Trimmung 1 %", {{142, 0}}, "0", "6", {{142, 6}}},
         {"63 Höhe Trimmung 2", {{118, 0x04}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"63 Höhe Trimmung 2 %", {{143, 0}}, "0", "7", {{143, 7}}},
         {"64 Bremskl. -> Höhe", {{118, 0x20}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"64 Bremskl. -> Höhe %", {{145, 0}}, "0", "8", {{145, 8}}},
         {"64 Bremskl. -> Höhe Neutral % links", {{147, 0}}, "0", "9", {{147, 9}}},
         {"65 Bremskl.->Wölbkl.", {{118, 0x80}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"65 Bremskl.->Wölbkl. %", {{148, 0}}, "0", "10", {{148, 10}}},
         {"65 Bremskl.->Wölbkl. Neutral % rechts", {{146, 0}}, "0", "11", {{146, 11}}},
         {"66 Bremsklappen -> Querruder", {{118, 0x08}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"66 Bremsklappen -> Querruder %", {{144, 0}}, "0", "12", {{144, 12}}},
         {"67 Quer -> Wölbkl.", {{117, 0x80}}, "Aus", "Aktiv", {{117, 0x00}}},
         {"67 Quer -> Wölbkl. %", {{134, 0}}, "0", "13", {{134, 13}}},
         {"71 Höhe -> Bremskl.", {{118, 0x10}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"71 Höhe -> Bremskl. %", {{127, 0}}, "0", "14", {{127, 14}}},
         {"72 Butterfly", {{117, 0x20}}, "Aus", "Aktiv", {{117, 0x00}}},
         {"72 Butterfly Que %", {{131, 0}}, "0", "15", {{131, 15}}},
         {"72 Butterfly Reihe 2 links", {{136, 0}}, "0", "16", {{136, 16}}},
         {"72 Butterfly Reihe 2 Mitte", {{137, 0}}, "0", "17", {{137, 17}}},
         {"72 Butterfly Reihe 2 rechts", {{132, 0}}, "0", "18", {{132, 18}}},
         {"73 Butterfly -> Höhe", {{117, 0x40}}, "Aus", "Aktiv", {{117, 0x00}}},
         {"73 Butterfly -> Höhe %", {{133, 0}}, "0", "19", {{133, 19}}},
         {"73 Butterfly -> Höhe Neutral % links", {{138, 0}}, "0", "20", {{138, 20}}},
         {"73 Butterfly -> Höhe Neutral % rechts", {{139, 0}}, "0", "21", {{139, 21}}},
         {"74 Wölbkl. Trimmung", {{118, 0x01}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"74 Wölbkl. Trimmung Unt.%", {{135, 70}}, "70", "60", {{135, 60}}},
         {"74 Wölbkl. Trimmung Ob.%", {{135, 70}}, "30", "20", {{135, 80}}},
         {"74 Wölbkl. Trimmung Ob.%", {{135, 0xF6}}, "110", "-20", {{135, 120}}},
         {"75 Delta", {{117, 0x00}, {119, 0x01}}, "Aus", "Aktiv", {{117, 0x08}, {119, 0x00}}}})));

INSTANTIATE_TEST_SUITE_P(
    Segler4, MixingVectorTest,
    testing::ValuesIn(
        On(kSegler4,
           {{"53 Wölbkl. Weg Ob.%", {{44, 100}}, "100", "70", {{44, 70}}},
            {"53 Wölbkl. Weg Unt.%", {{45, 100}}, "100", "60", {{45, 60}}},
            {"62 Trimmung 1", {{118, 0x40}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"62 Trimmung 1 Quer %", {{146, 0}}, "0", "1", {{146, 1}}},
            {"62 Trimmung 1 Höhe %", {{147, 0}}, "0", "2", {{147, 2}}},
            {"62 Trimmung 1 Wölb %", {{148, 0}}, "0", "3", {{148, 3}}},
            {"63 Trimmung 2", {{118, 0x80}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"63 Trimmung 2 Quer %", {{149, 0}}, "0", "4", {{149, 4}}},
            {"63 Trimmung 2 Höhe %", {{150, 0}}, "0", "5", {{150, 5}}},
            {"63 Trimmung 2 Wölb %", {{151, 0}}, "0", "6", {{151, 6}}},
            {"64 Wölbkl. -> Höhe", {{118, 0x20}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"64 Wölbkl. -> Höhe %", {{145, 0}}, "0", "7", {{145, 7}}},
            {"64 Wölbkl. -> Höhe Neutral % links", {{143, 0}}, "0", "8", {{143, 8}}},
            {"65 Wölbkl. -> Quer", {{118, 0x08}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"65 Wölbkl. -> Quer %", {{144, 0}}, "0", "9", {{144, 9}}},
            {"65 Wölbkl. -> Quer Neutral % rechts", {{142, 0}}, "0", "10", {{142, 10}}},
            {"66 Zusatztrimm. Wölbkl, Querruder", {{118, 0xFD}}, "Aktiv", "Aus", {{118, 0xFF}}},
            {"67 Quer -> Wölbkl. %", {{134, 0}}, "0", "11", {{134, 11}}},
            {"71 Höhe -> Wölbkl.", {{118, 0x10}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"71 Höhe -> Wölbkl. %", {{127, 0}}, "0", "12", {{127, 12}}},
            {"72 Butterfly Reihe 2 rechts", {{132, 0}}, "0", "13", {{132, 13}}},
            Listed("57 Mischer V-Leitw.", {{117, 0x08}, {119, 0x00}}, "Aus", "Aktiv",
                   {{117, 0x00}, {119, 0x01}})})));

INSTANTIATE_TEST_SUITE_P(
    Segler2, MixingVectorTest,
    testing::ValuesIn(On(
        kSegler2,
        {{"53 Flaperon Weg Ob.%", {{44, 100}}, "100", "50", {{44, 50}}},
         {"62 Höhe Trimmung 1", {{118, 0x02}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"63 Höhe Trimmung 2 %", {{143, 0}}, "0", "1", {{143, 1}}},
         {"64 Flaperon -> Höhe", {{118, 0x20}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"64 Flaperon -> Höhe %", {{137, 0}}, "0", "2", {{137, 2}}},
         {"64 Flaperon -> Höhe Neutral % links", {{139, 0}}, "0", "3", {{139, 3}}},
         {"64 Flaperon -> Höhe Neutral % rechts", {{138, 0}}, "0", "4", {{138, 4}}},
         // the flaperon switches the delta mixer off ...
         {"65 Flaperon", {{117, 0x20}, {119, 0x00}}, "Aus", "Aktiv", {{117, 0x00}, {119, 0x01}}},
         {"65 Flaperon Quer %", {{134, 0}}, "0", "5", {{134, 5}}},
         {"65 Flaperon Flap %", {{135, 0}}, "0", "6", {{135, 6}}},
         {"66 Höhe -> Flaperon", {{118, 0x10}}, "Aus", "Aktiv", {{118, 0x00}}},
         {"66 Höhe -> Flaperon %", {{127, 0}}, "0", "7", {{127, 7}}},
         // ... but the delta mixer switches only the V-tail off, not the flaperon
         {"75 Delta", {{117, 0x00}, {119, 0x01}}, "Aus", "Aktiv", {{117, 0x08}, {119, 0x00}}}})));

INSTANTIATE_TEST_SUITE_P(
    Heli, MixingVectorTest,
    testing::ValuesIn(
        On(kHeliR3,
           {{"51 Pitch -> Heck GV1", {{117, 0xF8}}, "Aktiv", "Aus", {{117, 0xF9}}},
            {"51 Pitch -> Heck GV1 Links/Rechts", {{120, 0x28}}, "Links", "Rechts", {{120, 0xA8}}},
            {"51 Pitch -> Heck GV1 Punkt 1", {{168, 25}}, "25", "30", {{168, 30}}},
            {"51 Pitch -> Heck GV1 Punkt 5", {{172, 75}}, "75", "100", {{172, 100}}},
            {"52 Pitch -> Heck GV2 Punkt 3", {{175, 50}}, "50", "0", {{175, 0}}},
            // the amounts keep bit 7: the sense "Rechts" in 120, an unknown bit in 121
            {"52 Pitch -> Heck GV2 Ob.%", {{120, 0x80}}, "0", "40", {{120, 168}}},
            {"52 Pitch -> Heck GV2 Unt.%", {{121, 0xE4}}, "100", "50", {{121, 0xB2}}},
            {"53 Schwebeflug Mitte", {{117, 0xFD}}, "Aktiv", "Aus", {{117, 0xFF}}},
            {"53 Schwebeflug Mitte Gas V%", {{122, 0xF6}}, "-10", "-100", {{122, 0x9C}}},
            {"53 Schwebeflug Mitte Pitch V%", {{124, 0}}, "0", "100", {{124, 100}}},
            {"54 Gasvorwahl 1", {{117, 0x20}}, "Aus", "Aktiv", {{117, 0x00}}},
            {"54 Gasvorwahl 1 Punkt 2", {{127, 25}}, "25", "26", {{127, 26}}},
            {"54 Gasvorwahl 1 Verz.4s %", {{165, 0}}, "0", "100", {{165, 100}}},
            {"55 Gasvorwahl 2", {{117, 0x40}}, "Aus", "Aktiv", {{117, 0x00}}},
            {"55 Gasvorwahl 2 Punkt 4", {{134, 75}}, "75", "74", {{134, 74}}},
            {"55 Gasvorwahl 2 Verz.4s %", {{166, 0}}, "0", "1", {{166, 1}}},
            {"56 Autorotation Gas", {{117, 0x80}}, "Aus", "Aktiv", {{117, 0x00}}},
            {"56 Autorotation Gas %", {{136, 186}}, "-70", "100", {{136, 100}}},
            {"57 Pitchvorwahl 1 Punkt 1", {{137, 0}}, "0", "2", {{137, 2}}},
            {"61 Pitchvorwahl 2 Punkt 5", {{146, 100}}, "100", "3", {{146, 3}}},
            {"62 Autorot. Pitch Punkt 2", {{148, 25}}, "25", "4", {{148, 4}}},
            {"63 Pitch Minimum %", {{153, 100}}, "100", "5", {{153, 5}}},
            {"64 Pitch Maximum %", {{152, 100}}, "100", "6", {{152, 6}}},
            {"65 Rückenflug", {{118, 0x80}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"65 Rückenflug %", {{156, 0}}, "0", "-7", {{156, 0xF9}}},
            {"66 Pitch Min. Rückenflug %", {{155, 100}}, "100", "8", {{155, 8}}},
            {"67 Pitch Max. Rückenflug %", {{154, 100}}, "100", "9", {{154, 9}}},
            {"71 Autorotation Heck", {{117, 0x10}}, "Aus", "Aktiv", {{117, 0x00}}},
            {"71 Autorotation Heck %", {{157, 0}}, "0", "10", {{157, 10}}},
            {"72 Kreisel Ausblendung", {{117, 0x08}}, "Aus", "Aktiv", {{117, 0x00}}},
            {"72 Kreisel Ausblendung %", {{158, 50}}, "50", "-128", {{158, 0x80}}},
            {"73 Heckrotor Ausgleich", {{118, 0x40}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"73 Heckrotor Ausgleich Zeit %", {{159, 50}}, "50", "11", {{159, 11}}},
            {"73 Heckrotor Ausgleich Hub %", {{160, 50}}, "50", "-12", {{160, 0xF4}}},
            {"74 Taumelscheibendreh.", {{118, 0x20}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"74 Taumelscheibendreh. %", {{161, 50}}, "50", "127", {{161, 127}}},
            {"75 Taumelscheibe -> Gas", {{118, 0x10}}, "Aus", "Aktiv", {{118, 0x00}}},
            {"75 Taumelscheibe -> Gas %", {{167, 0}}, "0", "13", {{167, 13}}},
            // swashplate travel: sign and amount, an amount below 10 raised to 10
            {"76 Wegeinstellung Taumelscheibe Roll %", {{163, 50}}, "50", "5", {{163, 10}}},
            {"76 Wegeinstellung Taumelscheibe Roll %", {{163, 50}}, "50", "-5", {{163, 138}}},
            {"76 Wegeinstellung Taumelscheibe Pitch %", {{162, 0x80}}, "0", "-110", {{162, 238}}},
            {"76 Wegeinstellung Taumelscheibe Nick %", {{164, 0xB2}}, "-50", "0", {{164, 10}}}})));

// Entries the byte cannot hold (fixed-wing pages) or the page's range refuses (heli page)
// bring the field exchange's prompt, name the field, and write nothing.
struct MixingRefusal {
    Byte program;
    std::string key;
    std::string entry;
    std::string prompt;
};

class MixingRefusalTest : public MixingFixture,
                          public testing::WithParamInterface<MixingRefusal> {};

TEST_P(MixingRefusalTest, WritesNothing) {
    const MixingRefusal& r = GetParam();
    ChooseProgram(r.program);
    ExpectRefused({r.key, r.entry, -1, r.prompt});
}

INSTANTIATE_TEST_SUITE_P(
    Pages, MixingRefusalTest,
    testing::Values(
        MixingRefusal{kMotorflug, "55 Seite -> Höhe R%", "128", Between(-128, 127)},
        MixingRefusal{kSegler5, "51 Zusatztrimmung 3", "-129", Between(-128, 127)},
        MixingRefusal{kSegler2, "52 Expo Störkl. %", "512", Between(-512, 511)},
        MixingRefusal{kSegler4, "74 Wölbkl. Trimmung Ob.%", "229", Between(-27, 228)},
        MixingRefusal{kMotorflug, "53 Flaperon Weg Ob.%", "256", Between(0, 255)},
        MixingRefusal{kMotorflug, "53 Flaperon Weg Unt.%", "-1",
                      "Geben Sie bitte eine positive ganze Zahl ein."},
        MixingRefusal{kHeliR3, "57 Pitchvorwahl 1 Punkt 1", "101", Between(0, 100)},
        MixingRefusal{kHeliR3, "61 Pitchvorwahl 2 Punkt 4", "-1",
                      "Geben Sie bitte eine positive ganze Zahl ein."},
        MixingRefusal{kHeliR3, "52 Pitch -> Heck GV2 Ob.%", "101", Between(0, 100)},
        MixingRefusal{kHeliR3, "53 Schwebeflug Mitte Gas V%", "-101", Between(-100, 100)},
        MixingRefusal{kHeliR3, "63 Pitch Minimum %", "101", Between(0, 100)},
        MixingRefusal{kHeliR3, "64 Pitch Maximum %", "-50",
                      "Geben Sie bitte eine positive ganze Zahl ein."},
        MixingRefusal{kHeliR3, "74 Taumelscheibendreh. %", "128", Between(-128, 127)},
        MixingRefusal{kHeliR3, "76 Wegeinstellung Taumelscheibe Nick %", "111", Between(-110, 110)},
        MixingRefusal{kHeliR3, "76 Wegeinstellung Taumelscheibe Pitch %", "-111",
                      Between(-110, 110)}));

// The bits each page owns, written out from the record description: every byte and bit a
// page shows belongs to one of its fields, and no field reaches beyond them.
TEST(Fc18v3MixingTables, EachPageOwnsTheBitsOfItsProgram) {
    auto bytes = [](std::map<int, Byte>& map, int first, int last) {
        for (int at = first; at <= last; ++at) {
            map[at] = 0xFF;
        }
    };
    std::map<int, Byte> motorflug = {{117, 0xF7}, {118, 0xF0}, {119, 0x01}, {46, 0xFF}, {47, 0xFF}};
    bytes(motorflug, 120, 123);
    bytes(motorflug, 126, 135);
    bytes(motorflug, 137, 142);
    bytes(motorflug, 144, 145);
    bytes(motorflug, 152, 161);
    std::map<int, Byte> segler5 = {{117, 0xFF}, {118, 0xBF}, {119, 0x01}, {50, 0xFF}, {51, 0xFF}};
    bytes(segler5, 120, 123);
    bytes(segler5, 126, 148);
    bytes(segler5, 152, 161);
    std::map<int, Byte> segler4 = {{117, 0xFF}, {118, 0xFB}, {119, 0x01}, {44, 0xFF}, {45, 0xFF}};
    bytes(segler4, 120, 123);
    bytes(segler4, 126, 161);
    std::map<int, Byte> segler2 = {{117, 0x3F}, {118, 0x36}, {119, 0x01}, {44, 0xFF}, {45, 0xFF}};
    bytes(segler2, 120, 123);
    bytes(segler2, 126, 130);
    bytes(segler2, 134, 135);
    bytes(segler2, 137, 143);
    bytes(segler2, 152, 161);
    std::map<int, Byte> heli = {{117, 0xFB}, {118, 0xF0}, {121, 0x7F}, {122, 0xFF}, {124, 0xFF}};
    bytes(heli, 120, 120);
    bytes(heli, 126, 177);
    const std::pair<const PageTable*, std::map<int, Byte>> pages[] = {
        {&fc18v3::StandardPage(), {}},     {&fc18v3::MotorflugPage(), motorflug},
        {&fc18v3::Segler5Page(), segler5}, {&fc18v3::Segler4Page(), segler4},
        {&fc18v3::Segler2Page(), segler2}, {&fc18v3::HeliPage(), heli}};
    for (const auto& [page, expected] : pages) {
        SCOPED_TRACE(page->caption);
        std::map<int, Byte> owned;
        std::set<std::string> keys;
        for (const Field& field : page->fields) {
            EXPECT_TRUE(keys.insert(field.key).second) << field.key;
            for (const BitRef& bit : field.codec->OwnedBits(field)) {
                owned[bit.offset] |= bit.mask;
            }
        }
        EXPECT_EQ(owned, expected);
    }
}

// V-tail and delta exclude each other when one of them is switched to "Aktiv"; a value of
// a row that is already active switches nothing off.
TEST_F(MixingFixture, VTailAndDeltaExcludeEachOtherOnlyWhenSwitched) {
    Put({{115, kSegler5}, {117, 0x00}, {119, 0x01}});  // V-tail active, delta off
    ASSERT_TRUE(Enter("75 Delta", "Aktiv").ok());
    EXPECT_EQ(Shown("75 Delta"), "Aktiv");
    EXPECT_EQ(Shown("57 Mischer V-Leitw."), "Aus");
    ASSERT_TRUE(Enter("57 Mischer V-Leitw.", "Aktiv").ok());
    EXPECT_EQ(Shown("75 Delta"), "Aus");
    // both active, as a module may hold them; a value of the flaperon row leaves delta on
    Put({{115, kSegler2}, {117, 0x00}, {119, 0x00}});
    ASSERT_TRUE(Enter("65 Flaperon Quer %", "33").ok());
    ASSERT_TRUE(Enter("57 Mischer V-Leitw. Höhe %", "34").ok());
    EXPECT_EQ(Slot()[117], 0x00);
    EXPECT_EQ(Slot()[119], 0x00);
}

// The camber trim shows one byte as "Unt.%" and as 100 - it in "Ob.%".
TEST_F(MixingFixture, CamberTrimTopAndBottomAreOneByte) {
    Put({{115, kSegler4}, {135, 50}});
    ASSERT_TRUE(Enter("74 Wölbkl. Trimmung Ob.%", "30").ok());
    EXPECT_EQ(Slot()[135], 70);
    EXPECT_EQ(Shown("74 Wölbkl. Trimmung Unt.%"), "70");
    ASSERT_TRUE(Enter("74 Wölbkl. Trimmung Unt.%", "10").ok());
    EXPECT_EQ(Slot()[135], 10);
    EXPECT_EQ(Shown("74 Wölbkl. Trimmung Ob.%"), "90");
}

// Outside edit mode a fixed-wing page says so (text 230); the heli page only keeps the
// stored values. Nothing is written either way.
TEST_F(MixingFixture, OutsideEditModeNothingIsWritten) {
    editor.Revert(TransmitterCatalogue{});
    Put({{115, kMotorflug}});
    const std::vector<Byte> before = SlotBytes();
    const Status fixedWing = Enter("61 Gasvorwahl %", "10");
    ASSERT_FALSE(fixedWing.ok());
    EXPECT_EQ(fixedWing.error().text, 230);
    Put({{115, kHeliR3}});
    EXPECT_TRUE(Enter("56 Autorotation Gas %", "10").ok());
    Put({{115, kMotorflug}});
    EXPECT_EQ(SlotBytes(), before);
}

// A new program writes its default row; its page then shows the defaults.
TEST_F(MixingFixture, AProgramChangeShowsThePagesDefaults) {
    ASSERT_TRUE(Enter("Mischprogramm", "Segler 2").ok());
    const std::pair<const char*, const char*> segler2[] = {
        {"56 Querruder Differenzierung", "Aktiv"},
        {"56 Querruder Differenzierung %", "100"},
        {"54 Quer -> Seite", "Aus"},
        {"54 Quer -> Seite %", "36"},
        {"55 Seite -> Höhe L%", "-36"},
        {"55 Seite -> Höhe R%", "50"},
        {"64 Flaperon -> Höhe %", "50"},
        {"65 Flaperon Quer %", "50"},
        {"75 Delta Quer %", "50"},
        {"51 Zusatztrimmung 1", "0"}};
    for (const auto& [key, shown] : segler2) {
        EXPECT_EQ(Shown(key), shown) << key;
    }
    ASSERT_TRUE(Enter("Mischprogramm", "Heli 1").ok());
    const std::pair<const char*, const char*> heli[] = {
        {"51 Pitch -> Heck GV1", "Aktiv"},
        {"54 Gasvorwahl 1", "Aus"},
        {"51 Pitch -> Heck GV1 Punkt 2", "37"},
        {"52 Pitch -> Heck GV2 Ob.%", "100"},
        {"56 Autorotation Gas %", "-70"},
        {"72 Kreisel Ausblendung %", "50"},
        {"76 Wegeinstellung Taumelscheibe Pitch %", "100"},
        {"76 Wegeinstellung Taumelscheibe Roll %", "100"},
        {"76 Wegeinstellung Taumelscheibe Nick %", "100"}};
    for (const auto& [key, shown] : heli) {
        EXPECT_EQ(Shown(key), shown) << key;
    }
    ASSERT_TRUE(Enter("Mischprogramm", "Standard").ok());
    EXPECT_EQ(Shown("51 Zusatztrimmung 1"), "(not shown)");
}

// A stored swashplate travel of 0 (below 10) is not raised while the user leaves it alone.
TEST_F(MixingFixture, AnUntouchedSwashplateTravelStays) {
    ChooseProgram(kHeliR3);
    Put({{162, 0}});
    const Status entered = Enter("76 Wegeinstellung Taumelscheibe Roll %", "60");
    ASSERT_TRUE(entered.ok()) << entered.error().literal;
    EXPECT_EQ(Slot()[162], 0);
    EXPECT_EQ(Slot()[163], 60);
}

}  // namespace
