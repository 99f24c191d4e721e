#pragma once

#include <filesystem>
#include <iosfwd>

struct PrintRequest;

// Writes the printout a request asks for as a PDF file, without showing a window, with the
// settings and language of the program folder; messages go to `err`. Needs a running
// QApplication. Gives the exit status: 0 printed, 1 failed.
int PrintToPdf(const PrintRequest& request, const std::filesystem::path& programFolder,
               std::ostream& err);

// The program started with its printout options: gives the exit status (0 printed,
// 1 failed, 2 no valid command line).
int RunPrintoutCommand(int argc, char** argv);
