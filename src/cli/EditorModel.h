#pragma once

#include <string>

#include "cli/CommandSupport.h"
#include "editors/FieldModel.h"

// The model of a data set that the describe and set commands work on.
struct EditorModel {
    const EditorFamily* family = nullptr;
    int index = 0;  // counted from 0
};

// Loads FILE as the program's Load does and picks model MODEL (counted from 1 as the model
// list shows it) of a type with editor pages. On failure the message has been reported
// (exit status 1) and nothing is returned.
std::optional<EditorModel> OpenEditorModel(DataCommandRun& run, const std::string& file,
                                           const std::string& model);

// A value as JSON: numbers bare, check marks true/false, everything else a string.
std::string JsonFieldValue(const Field& field, const std::string& shown);
