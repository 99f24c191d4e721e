#include "editors/CurveGraphWidget.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPolygon>

QColor CurveColour(const CurveOfGraph& curve) {
    return QColor(static_cast<int>((curve.colour >> 16) & 0xFF),
                  static_cast<int>((curve.colour >> 8) & 0xFF),
                  static_cast<int>(curve.colour & 0xFF));
}

CurveGraphWidget::CurveGraphWidget(const CurveGraph& graph, QWidget* parent)
    : QWidget(parent), graph_(graph) {
    setFixedSize(graph.width, graph.height);
    setAttribute(Qt::WA_Hover);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void CurveGraphWidget::Show(std::vector<Byte> record, std::vector<bool> ticked) {
    record_ = std::move(record);
    ticked_ = std::move(ticked);
    update();
}

void CurveGraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Page pixels of the graph, drawn relative to its frame.
    painter.translate(-graph_.left, -graph_.top);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(graph_.axisX, graph_.axisTop, graph_.axisX, graph_.axisBottom);
    painter.drawLine(graph_.axisLeft, graph_.axisY, graph_.axisRight, graph_.axisY);
    for (std::size_t i = 0; i < graph_.curves.size(); ++i) {
        if (i >= ticked_.size() || !ticked_[i]) {
            continue;
        }
        const CurveOfGraph& curve = graph_.curves[i];
        QPolygon line;
        for (const auto& [x, y] : CurvePoints(graph_, curve, record_)) {
            line << QPoint(x, y);
        }
        painter.setPen(QPen(CurveColour(curve), 2, curve.dotted ? Qt::DotLine : Qt::SolidLine));
        painter.drawPolyline(line);
    }
}

void CurveGraphWidget::enterEvent(QEnterEvent*) {
    pointerInside_ = true;
    Q_EMIT PointerMoved(true);
}

void CurveGraphWidget::leaveEvent(QEvent*) {
    pointerInside_ = false;
    Q_EMIT PointerMoved(false);
}
