#include "shell/ResultDialogs.h"

#include "common/MessageText.h"

Answer ResultDialogs::Show(const Message& message) {
    if (message.buttons == MessageButtons::Ok && sink_) {
        sink_(MessageText(message, language_));
    }
    return dialogs_.Show(message);
}
