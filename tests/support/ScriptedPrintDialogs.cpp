#include "support/ScriptedPrintDialogs.h"

namespace {

bool RunNext(std::deque<std::function<bool(QPrinter&)>>& queue, QPrinter& printer) {
    if (queue.empty()) {
        return false;
    }
    const auto user = std::move(queue.front());
    queue.pop_front();
    return user(printer);
}

}  // namespace

bool ScriptedPrintDialogs::SetUpPage(QPrinter& printer) {
    ++pageSetupsShown;
    return RunNext(pageSetups, printer);
}

bool ScriptedPrintDialogs::ChoosePrinter(QPrinter& printer) {
    ++printDialogsShown;
    return RunNext(printDialogs, printer);
}
