#include "shell/AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info - Keplund"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<b>Keplund</b>  Version 3.09"), this);
    layout->addWidget(name);
    layout->addWidget(new QLabel(
        QStringLiteral("Von folgenden Sendern können einzelne Modelle verwaltet werden:"), this));
    layout->addWidget(new QLabel(
        QStringLiteral("FC18V1, FC28V2, FC28V3, FF3, FF8, FF9Super,\n FF10, T3, FX14"), this));
    layout->addWidget(new QLabel(
        QStringLiteral(
            "Zusätzlich werden folgende Sender mit allen Funktionen/Einstellungen unterstützt:"),
        this));
    layout->addWidget(new QLabel(QStringLiteral("FC16,  FX18,  FC18V3,  FF9,  FF10"), this));
    auto* close = new QPushButton(QStringLiteral("Schliessen"), this);
    close->setDefault(true);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}
