#include "shell/MainMenu.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "shell/LanguageTable.h"
#include "shell/Mnemonics.h"
#include "shell/QtUserDialogs.h"
#include "shell/Settings.h"
#include "shell/ShellTexts.h"

namespace {

// The language items in menu order, with their language numbers.
constexpr std::array<std::pair<const char*, int>, 5> kLanguageItems{
    {{"Deutsch", 1}, {"Dutch", 4}, {"English", 2}, {"French", 5}, {"Italian", 3}}};

// The desktop's key for a command, or the usual one where the desktop defines none.
void SetShortcut(QAction* action, QKeySequence::StandardKey key, const QKeySequence& usual) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    action->setShortcuts(keys.isEmpty() ? QList<QKeySequence>{usual} : keys);
}

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
    SetShortcut(load, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    import = file->addAction(text(txt::kMenuImport));
    save = file->addAction(text(txt::kMenuSave));
    SetShortcut(save, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAs = file->addAction(text(txt::kMenuSaveAs));
    SetShortcut(saveAs, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    lastFile = file->addAction(QString::fromUtf8("zuletzt geöffnet..."));
    lastFile->setEnabled(false);
    file->addSeparator();
    exit = file->addAction(text(txt::kMenuExit));
    SetShortcut(exit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));

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
    SetShortcut(about, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));

    AddMnemonics(bar);
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
