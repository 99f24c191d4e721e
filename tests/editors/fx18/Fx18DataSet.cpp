#include "Fx18DataSet.h"

#include <gtest/gtest.h>

#include "dataset/ModelDirectory.h"
#include "editors/fx18/Fx18Pages.h"

CamPacData Fx18DataSet() {
    const TransmitterCatalogue catalogue;
    CamPacData data;
    EXPECT_TRUE(InitialiseImage(data, catalogue, "FX18V1/2  ", 2048).ok());
    data.state = DataSetState::Unchanged;
    return data;
}

Fx18Model::Fx18Model() : data(Fx18DataSet()), editor(data, fx18::Family()) {
    editor.StartEditing();
}

ModelRecord Fx18Model::Slot() {
    return data.modelSlots.Slot(0);
}

std::vector<Byte> Fx18Model::SlotBytes() {
    const ModelRecord slot = Slot();
    return {slot.begin(), slot.begin() + kFx18RecordSize};
}

void Fx18Model::Put(const Bytes& bytes) {
    for (const auto& [offset, value] : bytes) {
        Slot()[static_cast<std::size_t>(offset)] = value;
    }
}

std::string Fx18Model::Shown(const std::string& key) {
    for (const ShownField& field : DescribeModel(fx18::Family(), Slot())) {
        if (field.field->key == key) {
            return field.shown;
        }
    }
    return "(not shown)";
}

Status Fx18Model::Enter(const std::string& key, const std::string& text) {
    return AssignFields(editor, 0, {{key, text}}, &warnings);
}

std::ostream& operator<<(std::ostream& out, const ListedField& f) {
    return out << f.key << " = " << f.entry;
}
