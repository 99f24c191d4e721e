#pragma once

#include "adapters/AdapterTexts.h"
#include "common/Message.h"

enum class TransferLine { Status1, Status2, Elapsed };

// What a transfer shows and asks while it runs: the calling page's status lines, start
// button, progress bar, elapsed-time line and list, one pending event of the window
// (so it stays alive and a second click can cancel), and the running flag (the
// button's checked state). The engine knows no window; the pages, the command-line tool
// and the tests each provide one of these.
class TransferObserver {
  public:
    virtual ~TransferObserver() = default;
    virtual void ShowLine(TransferLine line, const Message& text) = 0;
    virtual void SetCaption(const Message& caption) = 0;
    virtual void SetProgressRange(int maximum) = 0;
    virtual void SetProgress(int value) = 0;
    virtual void ShowElapsed(int seconds) {
        ShowLine(TransferLine::Elapsed,
                 Message::Numbered(txt::kElapsedTime, {static_cast<long long>(seconds)}));
    }
    virtual void ClearList() = 0;
    virtual void AddListLine(const Message& line) = 0;
    virtual void PumpOneEvent() = 0;
    virtual bool Running() = 0;
    virtual void SetRunning(bool running) = 0;
};
