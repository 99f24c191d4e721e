#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "common/Message.h"
#include "common/Result.h"
#include "dataset/CamPacData.h"

// What reading a CamPac file showed besides its result: the size-code warning.
struct DataSetFileRead {
    Status status;
    std::vector<Message> warnings;
};

// Reads a CamPac file (.rom) into the data set. Every failure leaves the data set reset.
DataSetFileRead ReadDataSetFile(const std::filesystem::path& path, CamPacData& data,
                                const TransmitterCatalogue& catalogue);
// Writes the data set as a CamPac file.
Status WriteDataSetFile(const std::filesystem::path& path, const CamPacData& data);

// Reads a model file (.mdl) into slot `model` and appends its comment to the model's
// comment. A failure changes nothing.
Status ReadModelFile(const std::filesystem::path& path, int model, CamPacData& data);
// Writes slot `model` and its comment as a model file.
Status WriteModelFile(const std::filesystem::path& path, int model, const CamPacData& data);

// The bytes of the two file layouts, for callers that keep them in memory.
std::vector<Byte> EncodeDataSetFile(const CamPacData& data);
std::vector<Byte> EncodeModelFile(int model, const CamPacData& data);

// Writes bytes to a temporary file beside the target and renames it over the target, so a
// failed write never destroys the file that was there.
Status WriteFileSafely(const std::filesystem::path& path, const std::vector<Byte>& bytes);
