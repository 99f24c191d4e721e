#pragma once

#include <QWidget>
#include <array>

class QLabel;

// The three step labels "get data", "view/change", "save" in the bold font; the step of
// the page shown is drawn in orange, the others in black.
class StepLabels : public QWidget {
    Q_OBJECT
  public:
    explicit StepLabels(QWidget* parent);
    void SetTexts(const QString& getData, const QString& viewChange, const QString& save);
    void ShowStepOfPage(int pageNumber);
    QLabel* Label(int step) const { return labels_[step]; }

    static const QColor kActiveColour;

  private:
    std::array<QLabel*, 3> labels_{};
};
