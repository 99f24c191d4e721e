#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "common/NumberedText.h"

class UserDialogs;

// The texts of one language file. Line n of the file (counting from 0) is text number n;
// inside a line the four characters "\r\n" stand for a line break. The file stays open
// and each text is read on demand through a table of line offsets.
class LanguageTable {
  public:
    static constexpr int kLanguageCount = 5;
    static constexpr int kIndexedLines = 1000;

    explicit LanguageTable(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // 1 German, 2 English, 3 Italian, 4 Dutch, 5 French; "" for any other index.
    static std::string LanguageName(int index);
    std::filesystem::path FileOf(int index) const;

    // Opens the file of a language and indexes its lines; false when it cannot be opened.
    bool LoadLanguage(int index);
    void Close();
    bool IsOpen() const { return file_.is_open(); }

    // Opens only a regular file of at most 1000 lines of the longest text's length.
    // Text n, or nothing when the file has no such line, the line is longer than any text,
    // asks for a width of more than two digits, or cannot be read.
    std::optional<std::string> Lookup(int number) const;
    // Text n to be formatted with arguments of these letters ('d' integer, 's' text). A
    // text that is missing or whose conversions take other arguments is reported to the
    // failure sink and reads as empty.
    std::string GetText(int number, std::string_view arguments) const;
    // Text n shown as it stands, whatever conversions it holds.
    std::string GetText(int number) const;
    std::string GetText(NumberedText numbered) const {
        return GetText(numbered.number, numbered.arguments);
    }

    void SetFailureSink(UserDialogs* dialogs) { failureSink_ = dialogs; }

  private:
    // The text, or the failure message and an empty text.
    std::string Checked(int number, std::optional<std::string> text) const;

    std::filesystem::path folder_;
    mutable std::ifstream file_;
    std::array<std::int32_t, kIndexedLines> offsets_{};
    UserDialogs* failureSink_ = nullptr;
};
