#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// The commands of the tool that create, convert and change data sets; each returns the
// exit status: 0 done, 1 refused with a message of the program, 2 wrong arguments.
// With --json a failure prints {"error": {"text": N or null, "message": ...}}.
using DataCommand = int (*)(const std::vector<std::string>& words,
                            const std::filesystem::path& programFolder, std::ostream& out,
                            std::ostream& err);

// models FILE [--start N] [--json]: the model list as the models page shows it.
int RunModelsCommand(const std::vector<std::string>& words,
                     const std::filesystem::path& programFolder, std::ostream& out,
                     std::ostream& err);
// new TYPE SIZE OUT.rom: a new initialised image saved as a CamPac file.
int RunNewCommand(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
                  std::ostream& out, std::ostream& err);
// import-v2 IN OUT.rom: a version 2.x file saved as a CamPac file.
int RunImportV2Command(const std::vector<std::string>& words,
                       const std::filesystem::path& programFolder, std::ostream& out,
                       std::ostream& err);
// export IN.rom OUT.txt --dec|--hex: the text export of the image.
int RunExportCommand(const std::vector<std::string>& words,
                     const std::filesystem::path& programFolder, std::ostream& out,
                     std::ostream& err);
// model-save FILE MODEL OUT.mdl: one model as a model file.
int RunModelSaveCommand(const std::vector<std::string>& words,
                        const std::filesystem::path& programFolder, std::ostream& out,
                        std::ostream& err);
// model-load FILE MODEL IN.mdl OUT.rom: a model file into one model, saved as a new file.
int RunModelLoadCommand(const std::vector<std::string>& words,
                        const std::filesystem::path& programFolder, std::ostream& out,
                        std::ostream& err);
// compare-models FILE MODEL OTHER [--json]: the bytes two models differ in, names left out.
int RunCompareModelsCommand(const std::vector<std::string>& words,
                            const std::filesystem::path& programFolder, std::ostream& out,
                            std::ostream& err);
