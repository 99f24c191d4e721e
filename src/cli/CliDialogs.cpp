#include "cli/CliDialogs.h"

#include "common/MessageText.h"

ShownMessage CliDialogs::Render(const Message& message) const {
    return {message.text, MessageText(message, language_)};
}

Answer CliDialogs::Show(const Message& message) {
    shown_.push_back(Render(message));
    switch (message.buttons) {
        case MessageButtons::YesNo:
            return Answer::No;
        case MessageButtons::OkCancel:
            return Answer::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return Answer::Ok;
}
