#pragma once

#include <QDialog>

// "Info - Keplund": the program's version and the transmitters it serves.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent);
};
