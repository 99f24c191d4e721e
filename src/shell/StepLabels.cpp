#include "shell/StepLabels.h"

#include <QHBoxLayout>
#include <QLabel>

#include "shell/TabSets.h"

const QColor StepLabels::kActiveColour(185, 100, 0);

StepLabels::StepLabels(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QFont bold = font();
    bold.setPixelSize(15);
    bold.setWeight(QFont::Bold);
    for (auto& label : labels_) {
        label = new QLabel(this);
        label->setFont(bold);
        layout->addWidget(label);
    }
    layout->addStretch();
}

void StepLabels::SetTexts(const QString& getData, const QString& viewChange, const QString& save) {
    labels_[0]->setText(getData);
    labels_[1]->setText(viewChange);
    labels_[2]->setText(save);
}

void StepLabels::ShowStepOfPage(int pageNumber) {
    const int active = StepOfPage(pageNumber);
    for (int step = 0; step < static_cast<int>(labels_.size()); ++step) {
        QPalette palette = labels_[step]->palette();
        palette.setColor(QPalette::WindowText, step == active ? kActiveColour : QColor(Qt::black));
        labels_[step]->setPalette(palette);
    }
}
