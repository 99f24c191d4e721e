#include "cli/CliDialogs.h"

#include "common/MessageText.h"
#include "common/TextFormat.h"
#include "shell/LanguageTable.h"
#include "shell/LiteralTexts.h"

// A numbered text the language file lacks or holds in a form that cannot be shown safely
// reads as empty; the box of the program shows the faulty-language message beside it.
// The command-line tool reports one message per failure, so it names the fault there.
ShownMessage CliDialogs::Render(const Message& message) const {
    std::string text = MessageText(message, language_);
    if (message.text >= 0) {
        const auto body = language_.Lookup(message.text);
        if (!body || !TakesArguments(*body, ArgumentLetters(message.arguments))) {
            text =
                FormatText(literal::kLanguageFileFaulty, {static_cast<long long>(message.text)}) +
                text;
        }
    }
    return {message.text, text};
}

Answer CliDialogs::Show(const Message& message) {
    shown_.push_back(Render(message));
    return DecliningAnswer(message.buttons);
}
