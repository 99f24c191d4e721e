#pragma once

#include <QWidget>
#include <vector>

#include "editors/FieldModel.h"

// The painted graph of a page's five-point curves: the axes in a black pen of width 1 and
// one polyline of width 2 per ticked curve in its colour, solid or dotted. The graph's
// frame is drawn as large as the widget allows, its proportions kept (in a small window
// down to three quarters of its size in page pixels); the widget tells when the pointer enters or
// leaves the frame.
class CurveGraphWidget : public QWidget {
    Q_OBJECT
  public:
    CurveGraphWidget(const CurveGraph& graph, QWidget* parent);

    // The record whose points are drawn and the curves that are ticked.
    void Show(std::vector<Byte> record, std::vector<bool> ticked);
    bool pointerInside() const { return pointerInside_; }
    // The frame as drawn, in widget pixels.
    QRectF FrameRect() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

  Q_SIGNALS:
    void PointerMoved(bool inside);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void NotePointer(bool inside);

    const CurveGraph& graph_;
    std::vector<Byte> record_;
    std::vector<bool> ticked_;
    bool pointerInside_ = false;
};

// A curve's colour as Qt takes it.
QColor CurveColour(const CurveOfGraph& curve);
