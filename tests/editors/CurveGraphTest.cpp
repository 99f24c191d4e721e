#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "editors/CurveGraphWidget.h"

// The curve graph paints the ticked curves where the point values put them.
namespace {

// A graph laid out in page pixels as the FC18V3 helicopter page has it: points at
// x = 465, 511, 557, 603, 649 and y = 520 - trunc(value * 1.65f); axes through 557 and 437.
CurveGraph HeliLikeGraph() {
    CurveGraph graph;
    graph.left = 460;
    graph.top = 350;
    graph.width = 195;
    graph.height = 175;
    graph.firstX = 465;
    graph.step = 46;
    graph.baseY = 520;
    graph.scale = 1.65F;
    graph.axisX = 557;
    graph.axisTop = 355;
    graph.axisBottom = 520;
    graph.axisY = 437;
    graph.axisLeft = 465;
    graph.axisRight = 650;
    graph.curves = {{"54 Gas VW1", "", 0, 1, 0x0000E6, false},
                    {"55 Gas VW2", "", 5, 1, 0x000096, true}};
    return graph;
}

// The grey of the dialog face the curves are drawn on.
const QColor kBackground(212, 208, 200);

QImage Painted(CurveGraphWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

// Page pixels into the widget's.
QColor At(const QImage& image, const CurveGraph& graph, int x, int y) {
    return image.pixelColor(x - graph.left, y - graph.top);
}

TEST(CurveGraph, PointsFollowTheValues) {
    const CurveGraph graph = HeliLikeGraph();
    const std::vector<Byte> record = {0, 25, 50, 75, 100};
    const auto points = CurvePoints(graph, graph.curves[0], record);
    const std::vector<std::pair<int, int>> expected = {
        {465, 520}, {511, 479}, {557, 438}, {603, 397}, {649, 356}};
    EXPECT_EQ(points, expected);
}

TEST(CurveGraph, DrawsTheTickedCurvesAndTheAxes) {
    const CurveGraph graph = HeliLikeGraph();
    CurveGraphWidget widget(graph, nullptr);
    widget.resize(graph.width, graph.height);  // page pixels one to one
    widget.Show({0, 25, 50, 75, 100, 100, 100, 100, 100, 100}, {true, false});
    const QImage image = Painted(widget);
    EXPECT_EQ(At(image, graph, 511, 479), QColor(0, 0, 230));
    EXPECT_EQ(At(image, graph, 603, 397), QColor(0, 0, 230));
    EXPECT_EQ(At(image, graph, 557, 360), QColor(Qt::black));  // vertical axis
    EXPECT_EQ(At(image, graph, 500, 437), QColor(Qt::black));  // horizontal axis
    // the second curve is not ticked: its line at value 100 is not drawn
    EXPECT_EQ(At(image, graph, 530, 356), kBackground);

    widget.Show({0, 25, 50, 75, 100, 100, 100, 100, 100, 100}, {false, false});
    const QImage axesOnly = Painted(widget);
    EXPECT_EQ(At(axesOnly, graph, 511, 479), kBackground);
    EXPECT_EQ(At(axesOnly, graph, 557, 360), QColor(Qt::black));
}

// A larger widget draws the graph larger, its proportions kept and its frame centred.
TEST(CurveGraph, ScalesWithItsWidget) {
    const CurveGraph graph = HeliLikeGraph();
    CurveGraphWidget widget(graph, nullptr);
    widget.resize(2 * graph.width + 40, 2 * graph.height);
    EXPECT_EQ(widget.FrameRect(), QRectF(20, 0, 2 * graph.width, 2 * graph.height));
    widget.Show({0, 25, 50, 75, 100}, {true, false});
    const QImage image = Painted(widget);
    // (603, 397) of the page is (20 + 2 * 143, 2 * 47) in the widget
    EXPECT_EQ(image.pixelColor(306, 94), QColor(0, 0, 230));
    EXPECT_NE(image.pixelColor(10, 94), kBackground);  // beside the frame: not the graph
    EXPECT_EQ(widget.heightForWidth(390), 350);
}

TEST(CurveGraph, SignedPointsWithAnOffset) {
    CurveGraph graph = HeliLikeGraph();
    graph.isSigned = true;
    graph.valueOffset = 100;
    graph.scale = 0.5F;
    graph.baseY = 520;
    const std::vector<Byte> record = {0x9C, 0xCE, 0, 50, 100};  // -100, -50, 0, 50, 100
    const auto points = CurvePoints(graph, graph.curves[0], record);
    EXPECT_EQ(points[0].second, 520);
    EXPECT_EQ(points[1].second, 495);
    EXPECT_EQ(points[2].second, 470);
    EXPECT_EQ(points[4].second, 420);
}

// Points scattered over the record: each at its own byte, and a point at -1 left out (a
// two-value curve drawn from the first place to the last).
TEST(CurveGraph, ScatteredPointsAndPointsLeftOut) {
    const CurveGraph graph = HeliLikeGraph();
    CurveOfGraph scattered{"", "", 0, 1, 0, false, {4, 0, 3, 1, 2}};
    const std::vector<Byte> record = {0, 25, 50, 75, 100};
    EXPECT_EQ(CurvePoints(graph, scattered, record),
              (std::vector<std::pair<int, int>>{
                  {465, 356}, {511, 520}, {557, 397}, {603, 479}, {649, 438}}));
    CurveOfGraph ends{"", "", 0, 1, 0, false, {1, -1, -1, -1, 3}};
    EXPECT_EQ(CurvePoints(graph, ends, record),
              (std::vector<std::pair<int, int>>{{465, 479}, {649, 397}}));
}

}  // namespace
