#pragma once

#include <filesystem>
#include <span>

#include "common/Result.h"
#include "common/UserDialogs.h"
#include "dataset/CamPacData.h"
#include "dataset/DataSetCommands.h"

struct Session;

// Reads a file of the earlier program generation (version 2.x) into the data set.
// On failure the data set is the reset one.
Status ReadVersion2File(const std::filesystem::path& path, CamPacData& data,
                        const TransmitterCatalogue& catalogue);
// The same from the file's bytes; the file name stays empty.
Status DecodeVersion2File(std::span<const Byte> bytes, CamPacData& data,
                          const TransmitterCatalogue& catalogue);

// Import: the confirmation, the file dialog, then the read; on success the data set is
// unchanged (state 1) and named after the file, on failure the one open stays as it was.
CommandOutcome ImportVersion2File(Session& session, UserDialogs& dialogs);
