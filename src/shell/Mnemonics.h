#pragma once

#include <QString>

class QMenuBar;

// Gives a caption a keyboard mnemonic: an "&" before its first letter or digit that no
// other caption of its menu has taken yet (`taken` holds those, in lower case). A caption
// that already has a mnemonic keeps it.
QString WithMnemonic(const QString& caption, QString& taken);
// Mnemonics for the menu bar's titles and for the items of each of its menus.
void AddMnemonics(QMenuBar& bar);
