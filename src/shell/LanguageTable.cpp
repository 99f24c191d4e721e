#include "shell/LanguageTable.h"

#include "common/Message.h"
#include "common/TextFormat.h"
#include "common/UserDialogs.h"
#include "shell/LiteralTexts.h"

namespace {

constexpr const char* kLineBreakMarker = "\\r\\n";

std::string ExpandLineBreaks(std::string line) {
    for (std::size_t pos = line.find(kLineBreakMarker); pos != std::string::npos;
         pos = line.find(kLineBreakMarker, pos + 2)) {
        line.replace(pos, 4, "\r\n");
    }
    return line;
}

}  // namespace

std::string LanguageTable::LanguageName(int index) {
    switch (index) {
        case 1:
            return "Deutsch";
        case 2:
            return "English";
        case 3:
            return "Italian";
        case 4:
            return "Dutch";
        case 5:
            return "French";
        default:
            return "";
    }
}

std::filesystem::path LanguageTable::FileOf(int index) const {
    return folder_ / (LanguageName(index) + ".lng");
}

void LanguageTable::Close() {
    if (file_.is_open()) {
        file_.close();
    }
}

bool LanguageTable::LoadLanguage(int index) {
    Close();
    file_.clear();
    file_.open(FileOf(index), std::ios::binary);
    if (!file_.is_open()) {
        return false;
    }
    offsets_.fill(-1);
    std::string line;
    for (std::size_t n = 0; n < offsets_.size(); ++n) {
        const auto position = file_.tellg();
        if (!std::getline(file_, line)) {
            break;
        }
        offsets_[n] = static_cast<std::int32_t>(position);
    }
    file_.clear();
    return true;
}

std::optional<std::string> LanguageTable::Lookup(int number) const {
    if (number < 0 || number >= kIndexedLines || !file_.is_open() || offsets_[number] < 0) {
        return std::nullopt;
    }
    file_.clear();
    file_.seekg(offsets_[number]);
    std::string line;
    if (!std::getline(file_, line)) {
        file_.clear();
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return ExpandLineBreaks(std::move(line));
}

std::string LanguageTable::GetText(int number) const {
    if (auto text = Lookup(number)) {
        return *std::move(text);
    }
    if (failureSink_ != nullptr) {
        failureSink_->Show(Message::Literal(
            FormatText(literal::kLanguageFileFaulty, {static_cast<long long>(number)}),
            MessageIcon::Warning));
    }
    return {};
}
