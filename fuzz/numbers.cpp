#include "FuzzSupport.h"
#include "common/TextToInt.h"
#include "dataset/ImageContent.h"
#include "dataset/ModelDirectory.h"
#include "dataset/TransmitterCatalogue.h"
#include "editors/EditorFamilies.h"
#include "editors/ModelFields.h"

// What a user types: numbers for models, addresses and values, and "NAME=VALUE" lines as
// the set command takes them. The first line chooses the type and the model; every later
// line is tried as a number everywhere the program takes one and, when it holds "=", as a
// field assignment, all of which are then entered into the model and applied.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = InputLines(data, size);
    const int choice = TextToInt(lines.front()) & 0xFFFF;
    CamPacData set;
    if (!NewDataSetOfType(choice, set)) {
        return 0;
    }
    const int model = (choice / kTypesWithRecords) % set.modelCount;
    std::vector<FieldAssignment> assignments;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        (void)TextToInt(line);
        if (const auto index = ModelIndexOfNumber(set, line)) {
            Require(*index >= 0 && *index < set.modelCount);
        }
        if (const auto first = FillFirstAddress(set, line)) {
            (void)FillLastAddress(set, first.value(), line);
        }
        (void)FillValue(line);
        if (const std::size_t equals = line.find('='); equals != std::string::npos && equals > 0) {
            assignments.push_back({line.substr(0, equals), line.substr(equals + 1)});
        }
    }
    const EditorFamily* family = EditorFamilyFor(set.typeName, true);
    if (family == nullptr || assignments.empty()) {
        return 0;
    }
    ModelEditor editor(set, *family);
    editor.StartEditing();
    if (AssignFields(editor, model, assignments)) {
        (void)editor.Apply();
    }
    return 0;
}
