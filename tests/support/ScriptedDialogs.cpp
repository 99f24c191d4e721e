#include "support/ScriptedDialogs.h"

Answer ScriptedDialogs::Show(const Message& message) {
    shown.push_back(message);
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return DecliningAnswer(message.buttons);
}

namespace {

std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    auto next = queue.front();
    queue.pop_front();
    return next;
}

}  // namespace

std::optional<std::string> ScriptedDialogs::ChooseFileToOpen(const FileRequest& request) {
    fileRequests.push_back(request);
    return Next(files);
}

std::optional<std::string> ScriptedDialogs::ChooseFileToSave(const FileRequest& request) {
    fileRequests.push_back(request);
    return Next(files);
}

std::optional<std::string> ScriptedDialogs::ChooseFolder(const FileRequest& request) {
    fileRequests.push_back(request);
    return Next(files);
}

std::optional<std::string> ScriptedDialogs::PromptText(const std::string&) {
    return Next(texts);
}

std::vector<int> ScriptedDialogs::ShownNumbers() const {
    std::vector<int> numbers;
    for (const Message& message : shown) {
        numbers.push_back(message.text);
    }
    return numbers;
}
