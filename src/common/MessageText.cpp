#include "common/MessageText.h"

#include "common/TextFormat.h"
#include "shell/LanguageTable.h"

std::string MessageText(const Message& message, const LanguageTable& language) {
    if (message.text < 0) {
        return message.literal + message.suffix;
    }
    return FormatText(language.GetText(message.text), message.arguments) + message.suffix;
}
