#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "dataset/ModelDirectory.h"
#include "dataset/TransmitterCatalogue.h"
#include "editors/EditorFamilies.h"
#include "editors/ModelFields.h"
#include "editors/codecs/FieldCodec.h"

// The record map tells scripts the range each field takes. A range is a promise: both of
// its ends are taken, by every field of every family and model type.
namespace {

std::string NumberText(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

CamPacData NewDataSet(const std::string& typeName) {
    const TransmitterCatalogue catalogue;
    CamPacData data;
    ResetDataSet(data, catalogue, true);
    EXPECT_TRUE(InitialiseImage(data, catalogue, typeName, 8192)) << typeName;
    return data;
}

// The entries of the model-type list of model 0, or one empty entry for none.
std::vector<std::string> ModelTypes(const EditorFamily& family, const CamPacData& data) {
    for (const ShownField& shown : DescribeModel(family, data.modelSlots.Slot(0))) {
        if (shown.field->codec->Kind() == "model-type") {
            return shown.field->codec->Entries();
        }
    }
    return {""};
}

std::vector<FieldAssignment> ModelType(const std::string& entry, const EditorFamily& family,
                                       const CamPacData& data) {
    for (const ShownField& shown : DescribeModel(family, data.modelSlots.Slot(0))) {
        if (shown.field->codec->Kind() == "model-type") {
            return {{shown.field->key, entry}};
        }
    }
    return {};
}

TEST(LayoutRanges, BothEndsOfEveryShownRangeAreTaken) {
    int checked = 0;
    for (const EditorFamily* family : EditorFamilyRows()) {
        const CamPacData fresh = NewDataSet(family->typeNames.front());
        for (const std::string& type : ModelTypes(*family, fresh)) {
            CamPacData data = fresh;
            ModelEditor editor(data, *family);
            editor.StartEditing();
            if (!type.empty()) {
                ASSERT_TRUE(AssignFields(editor, 0, ModelType(type, *family, data)).ok()) << type;
            }
            const CamPacData typed = data;
            for (const ShownField& shown : DescribeModel(*family, data.modelSlots.Slot(0))) {
                const auto range = shown.field->codec->ShownRange(*shown.field);
                if (!range || !shown.enabled || shown.field->IsShownOnly()) {
                    continue;
                }
                for (const double end : {range->first, range->second}) {
                    CamPacData tried = typed;
                    ModelEditor trying(tried, *family);
                    trying.StartEditing();
                    const Status taken =
                        AssignFields(trying, 0, {{shown.field->key, NumberText(end)}});
                    EXPECT_TRUE(taken.ok())
                        << family->name << " " << type << " " << shown.field->key << " = " << end;
                    ++checked;
                }
            }
        }
    }
    // Every family has ranged fields; a loop that checked nothing would prove nothing.
    EXPECT_GT(checked, 1000);
}

// Two fields whose ranges the record map gave wrongly: the helicopter throttle cut is
// tested against -40..40 and then -30..30, and the air-brake delay is an unsigned byte
// with the range -100..100, so it takes no sign.
TEST(LayoutRanges, ARangeIsWhereAllTestsOverlap) {
    const EditorFamily* ff9 = EditorFamilyRowFor("FF9       ", false);
    ASSERT_NE(ff9, nullptr);
    CamPacData data = NewDataSet("FF9       ");
    ModelEditor editor(data, *ff9);
    editor.StartEditing();
    const auto rangeOf = [&](const std::string& key) {
        for (const ShownField& shown : DescribeModel(*ff9, data.modelSlots.Slot(0))) {
            if (shown.field->key == key) {
                return shown.field->codec->ShownRange(*shown.field);
            }
        }
        return std::optional<std::pair<double, double>>{};
    };
    EXPECT_EQ(rangeOf("Airbrake->Delay"), std::make_pair(0.0, 100.0));
    ASSERT_TRUE(AssignFields(editor, 0, {{"Modelltyp", "Heli SWH1"}}).ok());
    EXPECT_EQ(rangeOf("ThrCut"), std::make_pair(-30.0, 30.0));
}

}  // namespace
