#include "editors/EntryTexts.h"

#include <vector>

#include "editors/EditorTexts.h"
#include "editors/codecs/FieldCodec.h"
#include "shell/LanguageTable.h"

std::string EntryText(const FieldCodec& codec, std::size_t index, const LanguageTable& language) {
    const std::vector<std::string> entries = codec.Entries();
    if (index >= entries.size()) {
        return {};
    }
    const std::vector<int> numbers = codec.EntryTextNumbers();
    const int number = index < numbers.size() ? numbers[index] : 0;
    const std::string& text = entries[index];
    if (number == txt::kDualRateSwitchPrefix.number) {
        return language.GetText(number) + text.substr(text.rfind(' '));
    }
    return number != 0 ? language.GetText(number) : text;
}
