#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/Result.h"
#include "dataset/CamPacData.h"

// The models of a data set one by one: their names and list lines, and the operations on
// single models. Operations that change model bytes write the affected slots into the image
// at once and mark the data set changed.

inline constexpr int kDefaultNumberingStart = 1;
inline constexpr int kLowestNumberingStart = 0;
inline constexpr int kHighestNumberingStart = 100;
// "%03d: " with the listed number, then the name.
inline constexpr const char* kModelLineFormat = "%03d: ";

// The decoded name of a model, from its slot, in UTF-8.
std::string ModelName(const CamPacData& data, int model);
// One list line: the number (numbering start + model) and the name.
std::string ModelListLine(const CamPacData& data, int model, int numberingStart);
// The lines of every model of the data set.
std::vector<std::string> FillModelList(const CamPacData& data, int numberingStart);

enum class MoveDirection { Up, Down };
// Exchanges a model with its neighbour; returns the model's new index (unchanged when it
// is already first or last, or no model at all).
int MoveModel(CamPacData& data, int model, MoveDirection direction);

// A model number as the user types it: 1 for the first model. The index it stands for, or
// nothing when the text is no number of a model of the data set.
std::optional<int> ModelIndexOfNumber(const CamPacData& data, std::string_view typed);

// Copies a model over the model with the typed number (text 124 when there is none).
// On success the caller shows CopiedMessage().
Status CopyModel(CamPacData& data, int source, std::string_view typedTarget);
Message CopiedMessage();

struct ModelComparison {
    int differences = 0;
    Message message;  // text 121 (no difference) or 122 (with the count)
};
// Counts the bytes in which two models differ, leaving out the name bytes of the type
// (for the FX18V1/2 its set-1 name in bytes 0-3).
// Text 120 when the typed number names no model.
Result<ModelComparison> CompareModels(const CamPacData& data, int model,
                                      std::string_view typedOther);

// True for a type that has a default record (the editor types).
bool CanResetModels(const CamPacData& data);
// Writes the type's default record with the model's number in its name over the model.
// False (and nothing changed) for a type without default record or a model it lacks.
bool ResetModel(CamPacData& data, int model);

// A new data set of an editor type: header and default models; text 83 (data set reset)
// when the type has no models on a CamPac of that size or no default record.
Status InitialiseImage(CamPacData& data, const TransmitterCatalogue& catalogue,
                       std::string_view typeName, int imageSize);

// Loads a model file into a model: its record goes into the slot and the image, its comment
// is appended to the model's comment, and the data set is marked changed. A failure (the
// messages of the model-file reader) changes nothing.
Status LoadModelFile(const std::filesystem::path& path, CamPacData& data, int model);

// Takes a UTF-8 comment for a model; text 136 (comment kept) above 40 characters. A comment
// that differs from the one before marks an unchanged data set changed.
Status SetModelComment(CamPacData& data, int model, std::string_view utf8Comment);
