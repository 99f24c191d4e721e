#include "cli/CliDialogs.h"

#include "common/MessageText.h"

ShownMessage CliDialogs::Render(const Message& message) const {
    return {message.text, MessageText(message, language_)};
}

Answer CliDialogs::Show(const Message& message) {
    shown_.push_back(Render(message));
    return DecliningAnswer(message.buttons);
}
