#pragma once

#include <filesystem>

// The folder of the running executable, where the language files and the settings live.
std::filesystem::path ProgramFolder();
