#pragma once

#include <cstddef>
#include <string>

class FieldCodec;
class LanguageTable;

// The text a list shows for its entry `index` in the program's language: the built-in
// text, or the language's text that replaces it ("Schalter A": the language's word for
// switch and the letter).
std::string EntryText(const FieldCodec& codec, std::size_t index, const LanguageTable& language);
