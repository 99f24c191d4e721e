#include "pages/QtTransferObserver.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "common/MessageText.h"
#include "pages/TransferPanel.h"
#include "shell/QtUserDialogs.h"

QString QtTransferObserver::Shown(const Message& message) const {
    return DisplayText(MessageText(message, language_));
}

void QtTransferObserver::ShowLine(TransferLine line, const Message& text) {
    QLabel* label = line == TransferLine::Status1   ? panel_.statusLine1()
                    : line == TransferLine::Status2 ? panel_.statusLine2()
                                                    : panel_.elapsedLine();
    label->setText(Shown(text));
}

void QtTransferObserver::SetCaption(const Message& caption) {
    button_.setText(Shown(caption));
}

void QtTransferObserver::SetProgressRange(int maximum) {
    panel_.progressBar()->setRange(0, maximum);
}

void QtTransferObserver::SetProgress(int value) {
    panel_.progressBar()->setValue(value);
}

void QtTransferObserver::ClearList() {
    panel_.differences()->clear();
}

void QtTransferObserver::AddListLine(const Message& line) {
    panel_.differences()->addItem(Shown(line));
    panel_.differences()->scrollToBottom();
}

void QtTransferObserver::PumpOneEvent() {
    QCoreApplication::processEvents();
}

bool QtTransferObserver::Running() {
    return button_.isChecked();
}

void QtTransferObserver::SetRunning(bool running) {
    button_.setChecked(running);
}
