#include "shell/LanguageTable.h"

#include "common/FileBytes.h"
#include "common/Message.h"
#include "common/TextFormat.h"
#include "common/UserDialogs.h"
#include "shell/LiteralTexts.h"

namespace {

constexpr const char* kLineBreakMarker = "\\r\\n";
// The longest real text has fewer than 200 characters; a line of more than this is no text.
constexpr std::size_t kLongestText = 1024;
// The indexed lines at their longest: a larger file is no language file.
constexpr std::uintmax_t kLargestFile =
    static_cast<std::uintmax_t>(LanguageTable::kIndexedLines) * (kLongestText + 2);

enum class LineRead { End, Text, Refused };

// Reads one line without its line end, keeping no more than the longest text of it: a
// longer line is read to its end and refused, as is a text whose conversions ask for a
// width that would make a message of gigabytes.
LineRead ReadTextLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    bool tooLong = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() > kLongestText) {
            tooLong = true;
        } else {
            line += static_cast<char>(c);
        }
    }
    if (!any) {
        return LineRead::End;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return tooLong || line.size() > kLongestText || !FormatIsSafe(line) ? LineRead::Refused
                                                                        : LineRead::Text;
}

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
    if (CheckFileToRead(FileOf(index), kLargestFile) != FileFault::None) {
        return false;
    }
    file_.open(FileOf(index), std::ios::binary);
    if (!file_.is_open()) {
        return false;
    }
    // A refused line keeps the offset of a missing one: asking for it gives the failure
    // message and an empty text.
    offsets_.fill(-1);
    std::string line;
    for (std::size_t n = 0; n < offsets_.size(); ++n) {
        const auto position = file_.tellg();
        const LineRead read = ReadTextLine(file_, line);
        if (read == LineRead::End) {
            break;
        }
        if (read == LineRead::Text) {
            offsets_[n] = static_cast<std::int32_t>(position);
        }
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
    if (ReadTextLine(file_, line) != LineRead::Text) {
        file_.clear();
        return std::nullopt;
    }
    return ExpandLineBreaks(std::move(line));
}

std::string LanguageTable::GetText(int number) const {
    return Checked(number, Lookup(number));
}

std::string LanguageTable::GetText(int number, std::string_view arguments) const {
    // A text whose conversions would not take the arguments passed counts as missing.
    auto text = Lookup(number);
    if (text && !TakesArguments(*text, arguments)) {
        text.reset();
    }
    return Checked(number, std::move(text));
}

std::string LanguageTable::Checked(int number, std::optional<std::string> text) const {
    if (text) {
        return *std::move(text);
    }
    if (failureSink_ != nullptr) {
        failureSink_->Show(Message::Literal(
            FormatText(literal::kLanguageFileFaulty, {static_cast<long long>(number)}),
            MessageIcon::Warning));
    }
    return {};
}
