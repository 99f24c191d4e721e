#include "shell/Mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// The position of the letter or digit after a single "&", or -1.
qsizetype MnemonicAt(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1].isLetterOrNumber()) {
                return i + 1;
            }
            ++i;
        }
    }
    return -1;
}

void AddMnemonics(const QList<QAction*>& actions) {
    QString taken;
    for (const QAction* action : actions) {
        if (const qsizetype at = MnemonicAt(action->text()); at >= 0) {
            taken += action->text()[at].toLower();
        }
    }
    for (QAction* action : actions) {
        if (!action->isSeparator() && MnemonicAt(action->text()) < 0) {
            action->setText(WithMnemonic(action->text(), taken));
        }
    }
}

}  // namespace

QString WithMnemonic(const QString& caption, QString& taken) {
    if (MnemonicAt(caption) >= 0) {
        return caption;
    }
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c.isLetterOrNumber() && !taken.contains(c.toLower()) &&
            (i == 0 || caption[i - 1] != '&')) {
            taken += c.toLower();
            return caption.left(i) + '&' + caption.mid(i);
        }
    }
    return caption;
}

void AddMnemonics(QMenuBar& bar) {
    AddMnemonics(bar.actions());
    for (QAction* title : bar.actions()) {
        if (QMenu* menu = title->menu()) {
            AddMnemonics(menu->actions());
        }
    }
}
