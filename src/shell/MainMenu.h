#pragma once

#include <array>

class LanguageTable;
class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QObject;
struct Settings;

// The menu of the main window, captioned from the language file, with mnemonics and the
// desktop's standard shortcuts.
struct MainMenu {
    QMenu* fileMenu = nullptr;
    QAction* load = nullptr;
    QAction* import = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* lastFile = nullptr;
    QAction* exit = nullptr;
    QAction* adapter = nullptr;
    QAction* clockFor64k = nullptr;
    QAction* alwaysCompare = nullptr;
    QAction* ff9SuperAsFf9 = nullptr;
    // Indexed by language number 1 to 5; entry 0 is unused.
    std::array<QAction*, 6> languages{};
    QAction* about = nullptr;

    void Build(QMenuBar& bar, const LanguageTable& language, QObject* owner);
    // The check marks of the three options and of the language, and the last-file item.
    void ShowSettings(const Settings& settings);
};
