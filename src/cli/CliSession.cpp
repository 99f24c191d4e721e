#include "cli/CliSession.h"

#include <ostream>

#include "cli/Json.h"

bool CliSession::Open(const std::optional<std::string>& languageName, std::ostream& err) {
    session.language.SetFailureSink(&dialogs);
    LoadSettings(LocateSettings(session.programFolder).readFrom, session.settings);
    int language = session.settings.language;
    if (languageName) {
        language = 0;
        for (int i = 1; i <= LanguageTable::kLanguageCount; ++i) {
            if (LanguageTable::LanguageName(i) == *languageName) {
                language = i;
            }
        }
        if (language == 0) {
            err << "keplund-cli: unknown language " << *languageName
                << " (Deutsch, English, Italian, Dutch or French)\n";
            return false;
        }
    }
    if (!session.language.LoadLanguage(language)) {
        err << "keplund-cli: cannot open the language file "
            << session.language.FileOf(language).string() << "\n";
        return false;
    }
    ResetDataSet(session.data, session.catalogue, true);
    return true;
}

void WriteTextNumber(JsonWriter& w, int text) {
    if (text < 0) {
        w.Null();
    } else {
        w.Number(text);
    }
}

int ReportFailure(const ShownMessage& failure, bool json, std::ostream& out, std::ostream& err) {
    if (json) {
        JsonWriter w;
        w.BeginObject().Key("error").BeginObject();
        WriteTextNumber(w.Key("text"), failure.text);
        w.Key("message").String(failure.message);
        w.EndObject().EndObject();
        out << w.Text() << "\n";
    } else {
        err << "keplund-cli: " << failure.message << "\n";
    }
    return 1;
}
