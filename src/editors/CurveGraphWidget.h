#pragma once

#include <QWidget>
#include <vector>

#include "editors/FieldModel.h"

// The painted graph of a page's five-point curves: the axes in a black pen of width 1 and
// one polyline of width 2 per ticked curve in its colour, solid or dotted. The widget
// covers the graph's frame; it tells when the pointer enters or leaves it.
class CurveGraphWidget : public QWidget {
    Q_OBJECT
  public:
    CurveGraphWidget(const CurveGraph& graph, QWidget* parent);

    // The record whose points are drawn and the curves that are ticked.
    void Show(std::vector<Byte> record, std::vector<bool> ticked);
    bool pointerInside() const { return pointerInside_; }

  Q_SIGNALS:
    void PointerMoved(bool inside);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    const CurveGraph& graph_;
    std::vector<Byte> record_;
    std::vector<bool> ticked_;
    bool pointerInside_ = false;
};

// A curve's colour as Qt takes it.
QColor CurveColour(const CurveOfGraph& curve);
