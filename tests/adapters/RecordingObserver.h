#pragma once

#include <functional>
#include <string>
#include <vector>

#include "adapters/TransferObserver.h"

// Keeps what a transfer showed, and lets a test clear the running flag at a chosen pump
// (the second click on the button) or break the module at a chosen moment: `onStart` runs
// once the size is known, before the first byte; `onLine` after every status line.
class RecordingObserver : public TransferObserver {
  public:
    void ShowLine(TransferLine line, const Message& text) override {
        lines[static_cast<int>(line)] = text;
        if (onLine) {
            onLine(line, text);
        }
    }
    void SetCaption(const Message& c) override { caption = c; }
    void SetProgressRange(int maximum) override {
        progressMaximum = maximum;
        if (onStart) {
            onStart();
        }
    }
    void SetProgress(int value) override { progress.push_back(value); }
    void ClearList() override { list.clear(); }
    void AddListLine(const Message& line) override { list.push_back(line); }
    void PumpOneEvent() override {
        ++pumps;
        if (pumps == cancelAtPump) {
            running = false;
        }
    }
    bool Running() override { return running; }
    void SetRunning(bool r) override { running = r; }

    Message Line(TransferLine line) const { return lines[static_cast<int>(line)]; }
    std::vector<std::string> ListLiterals() const {
        std::vector<std::string> out;
        for (const Message& m : list) {
            out.push_back(m.literal);
        }
        return out;
    }

    Message lines[3];
    Message caption;
    int progressMaximum = -1;
    std::vector<int> progress;
    std::vector<Message> list;
    int pumps = 0;
    int cancelAtPump = -1;
    bool running = true;
    std::function<void()> onStart;
    std::function<void(TransferLine, const Message&)> onLine;
};
