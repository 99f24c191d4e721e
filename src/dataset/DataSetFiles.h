#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "common/FileBytes.h"
#include "common/Message.h"
#include "common/Result.h"
#include "dataset/CamPacData.h"

// The largest valid files, which the readers read no further than: the 290-byte head, the
// largest image, the model-comment tag and one comment for each of the most models a CamPac
// holds; a model file's head and a record no larger than the largest image.
inline constexpr std::uintmax_t kLargestDataSetFile =
    290 + kImageCapacity + 10 + kModelCommentLength * kMaxModels;
inline constexpr std::uintmax_t kLargestModelFile = 290 + kImageCapacity;

// What the user is told of a file that could not be read: text 45, 640 or 641.
Message FileReadFailure(FileFault fault);

// What reading a CamPac file showed besides its result: the size-code warning.
struct DataSetFileRead {
    Status status;
    std::vector<Message> warnings;
};

// Reads a CamPac file (.rom) into the data set. Every failure leaves the data set reset.
DataSetFileRead ReadDataSetFile(const std::filesystem::path& path, CamPacData& data,
                                const TransmitterCatalogue& catalogue);
// The same from the file's bytes; the file name stays empty.
DataSetFileRead DecodeDataSetFile(std::span<const Byte> bytes, CamPacData& data,
                                  const TransmitterCatalogue& catalogue);
// Writes the data set as a CamPac file.
Status WriteDataSetFile(const std::filesystem::path& path, const CamPacData& data);

// Reads a model file (.mdl) into slot `model` and appends its comment to the model's
// comment. A failure changes nothing.
Status ReadModelFile(const std::filesystem::path& path, int model, CamPacData& data);
Status DecodeModelFile(std::span<const Byte> bytes, int model, CamPacData& data);
// Writes slot `model` and its comment as a model file.
Status WriteModelFile(const std::filesystem::path& path, int model, const CamPacData& data);

// The bytes of the two file layouts, for callers that keep them in memory.
std::vector<Byte> EncodeDataSetFile(const CamPacData& data);
std::vector<Byte> EncodeModelFile(int model, const CamPacData& data);

// Writes bytes to a temporary file beside the target and renames it over the target, so a
// failed write never destroys the file that was there.
Status WriteFileSafely(const std::filesystem::path& path, const std::vector<Byte>& bytes);
