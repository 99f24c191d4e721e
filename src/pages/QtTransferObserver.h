#pragma once

#include <QString>

#include "adapters/TransferObserver.h"

class LanguageTable;
class QPushButton;
class TransferPanel;

// A page's side of a running transfer: its status lines, progress bar and list, and the
// toggle button whose checked state is the running flag. Pending events are handled
// between bytes, so the window stays alive and a second click cancels.
class QtTransferObserver : public TransferObserver {
  public:
    QtTransferObserver(TransferPanel& panel, QPushButton& button, const LanguageTable& language)
        : panel_(panel), button_(button), language_(language) {}

    void ShowLine(TransferLine line, const Message& text) override;
    void SetCaption(const Message& caption) override;
    void SetProgressRange(int maximum) override;
    void SetProgress(int value) override;
    void ClearList() override;
    void AddListLine(const Message& line) override;
    void PumpOneEvent() override;
    bool Running() override;
    void SetRunning(bool running) override;

  private:
    QString Shown(const Message& message) const;

    TransferPanel& panel_;
    QPushButton& button_;
    const LanguageTable& language_;
};
