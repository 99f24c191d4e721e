#include "common/MessageText.h"

#include "common/TextFormat.h"
#include "shell/LanguageTable.h"

std::string MessageText(const Message& message, const LanguageTable& language) {
    std::string text =
        message.text < 0
            ? message.literal
            : FormatText(language.GetText(message.text, ArgumentLetters(message.arguments)),
                         message.arguments);
    text += message.suffix;
    for (const Message& next : message.continuation) {
        text += MessageText(next, language);
    }
    return text;
}
