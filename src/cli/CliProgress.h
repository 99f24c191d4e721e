#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "adapters/TransferObserver.h"
#include "cli/CliDialogs.h"

// Shows the progress on stderr: a bar redrawn in place when stderr is a terminal, else
// the status changes and every quarter of the way as lines.
class CliProgress : public TransferObserver {
  public:
    static constexpr int kBarWidth = 30;

    CliProgress(CliDialogs& dialogs, std::ostream& err)
        : dialogs_(dialogs), err_(err), terminal_(StderrIsTerminal()) {}

    void ShowLine(TransferLine line, const Message& text) override {
        if (line == TransferLine::Status2) {
            status2_ = text;
        }
        if (line != TransferLine::Status1) {
            return;
        }
        status1_ = text;
        status_ = dialogs_.Render(text).message;
        if (status_.empty()) {
            return;
        }
        EndBar();
        err_ << status_ << "\n";
    }
    void SetCaption(const Message&) override {}
    void SetProgressRange(int maximum) override {
        maximum_ = maximum;
        quarter_ = 0;
        shownPercent_ = -1;
    }
    void SetProgress(int value) override {
        if (maximum_ <= 0) {
            return;
        }
        const int done = std::min(value, maximum_);
        if (terminal_) {
            const int percent = done * 100 / maximum_;
            if (percent == shownPercent_ && seconds_ == shownSeconds_) {
                return;
            }
            shownPercent_ = percent;
            shownSeconds_ = seconds_;
            const int filled = done * kBarWidth / maximum_;
            err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                 << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] "
                 << percent << "%  " << seconds_ << " s" << std::flush;
            barShown_ = true;
        } else if (done * 4 / maximum_ > quarter_) {
            quarter_ = done * 4 / maximum_;
            err_ << done << "/" << maximum_ << "\n";
        }
    }
    void ShowElapsed(int seconds) override { seconds_ = seconds; }
    void ClearList() override { list_.clear(); }
    void AddListLine(const Message& line) override {
        if (line.text < 0) {
            list_.push_back(line.literal);
        }
    }
    void PumpOneEvent() override {}
    bool Running() override { return running_; }
    void SetRunning(bool running) override { running_ = running; }

    void EndBar() {
        if (barShown_) {
            err_ << "\n";
            barShown_ = false;
        }
    }
    const std::vector<std::string>& list() const { return list_; }
    ShownMessage StatusLines() const {
        return {status1_.text,
                dialogs_.Render(status1_).message + " " + dialogs_.Render(status2_).message};
    }

  private:
    static bool StderrIsTerminal();

    CliDialogs& dialogs_;
    std::ostream& err_;
    bool terminal_;
    bool barShown_ = false;
    bool running_ = true;
    int maximum_ = 0;
    int quarter_ = 0;
    int seconds_ = 0;
    int shownPercent_ = -1;
    int shownSeconds_ = -1;
    std::string status_;
    Message status1_;
    Message status2_;
    std::vector<std::string> list_;
};
