#include "shell/MainMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "shell/LanguageTable.h"
#include "shell/LiteralTexts.h"
#include "shell/QtUserDialogs.h"
#include "shell/Settings.h"
#include "shell/ShellTexts.h"

namespace {

// The language items in menu order, with their language numbers.
constexpr std::array<std::pair<const char*, int>, 5> kLanguageItems{
    {{"Deutsch", 1}, {"Dutch", 4}, {"English", 2}, {"French", 5}, {"Italian", 3}}};

QAction* Checkable(QMenu* menu, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setCheckable(true);
    return action;
}

}  // namespace

void MainMenu::Build(QMenuBar& bar, const LanguageTable& language, QObject* owner) {
    auto text = [&](NumberedText numbered) { return DisplayText(language.GetText(numbered)); };

    QMenu* file = bar.addMenu(text(txt::kMenuFile));
    fileMenu = file;
    load = file->addAction(text(txt::kMenuLoad));
    import = file->addAction(text(txt::kMenuImport));
    save = file->addAction(text(txt::kMenuSave));
    lastFile = file->addAction(QString::fromUtf8("zuletzt geöffnet..."));
    lastFile->setEnabled(false);
    file->addSeparator();
    exit = file->addAction(text(txt::kMenuExit));

    QMenu* settings = bar.addMenu(text(txt::kMenuSettings));
    adapter = settings->addAction(text(txt::kMenuAdapter));
    settings->addSeparator();
    clockFor64k = Checkable(settings, text(txt::kMenuClockFor64k));
    alwaysCompare = Checkable(settings, text(txt::kMenuAlwaysCompare));
    ff9SuperAsFf9 = Checkable(settings, text(txt::kMenuFf9SuperAsFf9));
    settings->addSeparator();
    auto* group = new QActionGroup(owner);
    for (const auto& [name, number] : kLanguageItems) {
        languages[number] = Checkable(settings, QString::fromUtf8(name));
        group->addAction(languages[number]);
    }

    QMenu* info = bar.addMenu(text(txt::kMenuInfo));
    about = info->addAction(text(txt::kMenuAbout));
    // Linux desktops have no window menu of the program's own, so its item lives here.
    info->addSeparator();
    aboutKeplund = info->addAction(QString::fromUtf8(literal::kAboutMenuItem));
}

void MainMenu::ShowSettings(const Settings& settings) {
    clockFor64k->setChecked(settings.clockFor64k);
    alwaysCompare->setChecked(settings.alwaysCompare);
    ff9SuperAsFf9->setChecked(settings.ff9SuperAsFf9);
    if (settings.language >= 1 && settings.language <= 5) {
        languages[settings.language]->setChecked(true);
    }
    if (!settings.lastFilePath.empty()) {
        lastFile->setText(
            QString::fromStdString(settings.lastFilePath).replace('&', QStringLiteral("&&")));
        lastFile->setEnabled(true);
    }
}
