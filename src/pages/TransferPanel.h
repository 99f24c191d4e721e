#pragma once

#include <QWidget>

class CMainDialog;
struct CompareResult;
class QLabel;
class QListWidget;
class QProgressBar;

// What a transfer shows on the get-data and save pages: two status lines, the elapsed
// time, a progress bar, the list of differences of a compare and the adapter in use.
class TransferPanel : public QWidget {
    Q_OBJECT
  public:
    TransferPanel(CMainDialog& main, QWidget* parent);

    // "LPT" with the waitstates, or the USB adapter.
    void ShowAdapter();

    QLabel* statusLine1() const { return status1_; }
    QLabel* statusLine2() const { return status2_; }
    QLabel* elapsedLine() const { return elapsed_; }
    QProgressBar* progressBar() const { return progress_; }
    QListWidget* differences() const { return differences_; }
    QLabel* adapterLabel() const { return adapter_; }

  private:
    CMainDialog& main_;
    QLabel* status1_;
    QLabel* status2_;
    QLabel* elapsed_;
    QProgressBar* progress_;
    QListWidget* differences_;
    QLabel* adapter_;
};

// A finished compare's summary as the status bar's last result.
void ShowCompareResult(CMainDialog& main, const CompareResult& compared);
