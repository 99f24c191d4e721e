#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "dataset/CamPacData.h"
#include "editors/ModelEditor.h"
#include "editors/ModelFields.h"

// A new FX18V1/2 data set on a 2k CamPac: twelve default models of 166 bytes from image
// offset 10, loaded into the slots.
inline constexpr int kFx18RecordSize = 166;
inline constexpr int kFx18FirstModel = 10;
CamPacData Fx18DataSet();

using Bytes = std::vector<std::pair<int, Byte>>;

// Model 1 of an FX18 data set in edit mode. Entries go in as the command line and the
// pages put them: the field's group is committed with the other fields as they show.
struct Fx18Model {
    Fx18Model();

    ModelRecord Slot();
    std::vector<Byte> SlotBytes();
    void Put(const Bytes& bytes);
    // What the model's pages show for the key, or "(not shown)".
    std::string Shown(const std::string& key);
    Status Enter(const std::string& key, const std::string& text);

    CamPacData data;
    ModelEditor editor;
    std::vector<Message> warnings;
};

// Record bytes of a model of the given mixing program -> what its pages show -> an entry
// -> the bytes it writes; every other byte of the record stays as it was.
struct ListedField {
    Byte program;
    std::string key;
    Bytes stored;
    std::string shown;
    std::string entry;
    Bytes written;
};
std::ostream& operator<<(std::ostream& out, const ListedField& f);

class Fx18FieldTest : public testing::TestWithParam<ListedField>, public Fx18Model {};
