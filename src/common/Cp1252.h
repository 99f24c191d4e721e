#pragma once

#include <string>
#include <string_view>

// Texts stored on a CamPac or in its files are Windows-1252 bytes; the user interface and
// the command-line output use UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
