#pragma once

#include <filesystem>
#include <string>

#include "common/Result.h"
#include "dataset/CamPacData.h"

enum class ExportFormat { Decimal, Hexadecimal };

// The image of the data set as text, in the layout of docs/text-export.md.
std::string ExportedText(const CamPacData& data, ExportFormat format);
// Writes ExportedText to a file; text 45 when it cannot be written.
Status ExportText(const std::filesystem::path& path, const CamPacData& data, ExportFormat format);
