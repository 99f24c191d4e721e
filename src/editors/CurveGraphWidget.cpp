#include "editors/CurveGraphWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace {

// In a small window the graph may shrink to three quarters of its size in page pixels.
constexpr int kSmallest = 3;
constexpr int kWhole = 4;
// The curves are drawn on a dialog face grey, where the light yellow of a curve still shows.
const QColor kFace(212, 208, 200);

}  // namespace

QColor CurveColour(const CurveOfGraph& curve) {
    return QColor(static_cast<int>((curve.colour >> 16) & 0xFF),
                  static_cast<int>((curve.colour >> 8) & 0xFF),
                  static_cast<int>(curve.colour & 0xFF));
}

CurveGraphWidget::CurveGraphWidget(const CurveGraph& graph, QWidget* parent)
    : QWidget(parent), graph_(graph) {
    setMinimumSize(graph.width * kSmallest / kWhole, graph.height * kSmallest / kWhole);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMouseTracking(true);
}

int CurveGraphWidget::heightForWidth(int width) const {
    return width * graph_.height / std::max(graph_.width, 1);
}

QSize CurveGraphWidget::sizeHint() const {
    return {graph_.width, graph_.height};
}

QRectF CurveGraphWidget::FrameRect() const {
    const double scale = std::min(static_cast<double>(width()) / std::max(graph_.width, 1),
                                  static_cast<double>(height()) / std::max(graph_.height, 1));
    const QSizeF size(graph_.width * scale, graph_.height * scale);
    return {QPointF((width() - size.width()) / 2, 0), size};
}

void CurveGraphWidget::Show(std::vector<Byte> record, std::vector<bool> ticked) {
    record_ = std::move(record);
    ticked_ = std::move(ticked);
    update();
}

void CurveGraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF frame = FrameRect();
    painter.fillRect(frame, kFace);
    // Page pixels of the graph, scaled into its frame.
    painter.translate(frame.topLeft());
    painter.scale(frame.width() / graph_.width, frame.height() / graph_.height);
    painter.translate(-graph_.left, -graph_.top);
    // The axes stay one pixel wide at any scale.
    QPen axes(Qt::black, 1);
    axes.setCosmetic(true);
    painter.setPen(axes);
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

void CurveGraphWidget::mouseMoveEvent(QMouseEvent* event) {
    NotePointer(FrameRect().contains(event->position()));
    QWidget::mouseMoveEvent(event);
}

void CurveGraphWidget::leaveEvent(QEvent*) {
    NotePointer(false);
}

void CurveGraphWidget::NotePointer(bool inside) {
    if (inside != pointerInside_) {
        pointerInside_ = inside;
        Q_EMIT PointerMoved(inside);
    }
}
