#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The printout options of the program: instead of showing its window it writes the
// printout of a CamPac file as a PDF file and ends.
//   keplund --print-models FILE.rom --pdf OUT.pdf         the model list
//   keplund --print-model FILE.rom MODEL --pdf OUT.pdf    the editor pages of one model
struct PrintRequest {
    std::filesystem::path dataSet;
    std::optional<int> model;  // numbered from 1; none: the model list
    std::filesystem::path pdf;
};

struct ParsedPrintRequest {
    std::optional<PrintRequest> request;
    std::string error;  // set when the words are no valid printout command
};

// True when the words ask for a printout rather than the window.
bool AsksForPrintout(const std::vector<std::string>& words);
ParsedPrintRequest ParsePrintRequest(const std::vector<std::string>& words);

inline constexpr const char* kPrintUsage =
    "usage: keplund --print-models FILE.rom --pdf OUT.pdf\n"
    "       keplund --print-model FILE.rom MODEL --pdf OUT.pdf\n";
