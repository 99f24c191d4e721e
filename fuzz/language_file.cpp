#include <fstream>

#include "FuzzSupport.h"
#include "common/MessageText.h"
#include "common/TextFormat.h"
#include "shell/LanguageTable.h"

namespace {

// Collects nothing: a missing or refused text only has to come back empty.
class Ignoring : public NoUserDialogs {};

constexpr std::size_t kLongestMessage = 64 * 1024;

}  // namespace

// A language file as the program opens it, every text number looked up and formatted with
// each kind of argument the program passes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = ScratchFolder() / "English.lng";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    LanguageTable table(ScratchFolder());
    Ignoring dialogs;
    table.SetFailureSink(&dialogs);
    if (!table.LoadLanguage(2)) {
        return 0;
    }
    const std::vector<std::vector<MessageArgument>> argumentLists{
        {}, {7LL}, {std::string("x")}, {-2147483648LL, std::string("name"), 99999LL}};
    for (int number = 0; number < LanguageTable::kIndexedLines; ++number) {
        // A missing text always takes the same way; one of them is enough.
        if (!table.Lookup(number) && number > 0) {
            continue;
        }
        (void)table.GetText(number);
        for (const auto& arguments : argumentLists) {
            Message message;
            message.text = number;
            message.arguments = arguments;
            Require(MessageText(message, table).size() < kLongestMessage);
        }
    }
    return 0;
}
