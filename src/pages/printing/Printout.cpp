#include "pages/printing/Printout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "pages/printing/PrintContent.h"
#include "pages/printing/PrintTexts.h"
#include "shell/Session.h"

namespace {

const char* const kHiddenWhenPrinted = "hiddenWhenPrinted";
// The picture is taken at twice the screen's resolution so that its texts stay sharp on
// paper.
constexpr qreal kPictureRatio = 2;

Message JobFailed() {
    return Message::Numbered(txt::kPrintJobFailed, {}, MessageIcon::Warning);
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A font whose character cells are `height` dots high and, on average, `width` dots wide.
QFont SheetFont(double height, double width, bool bold) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setPixelSize(std::max(1, qRound(height)));
    const double cell = QFontMetricsF(font).height();
    if (cell > 0) {
        font.setPixelSize(std::max(1, qRound(height * height / cell)));
    }
    const double average = QFontMetricsF(font).averageCharWidth();
    if (average > 0) {
        font.setStretch(std::clamp(qRound(100 * width / average), 1, 4000));
    }
    return font;
}

// Writes a text with its top edge at `top`; returns the height of its line.
double WriteAt(QPainter& painter, const QFont& font, QPointF topLeft, const std::string& text) {
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), Text(text));
    return metrics.height();
}

double DotsPerMillimetreX(const QPaintDevice& device) {
    return device.logicalDpiX() / 25.4;
}

double DotsPerMillimetreY(const QPaintDevice& device) {
    return device.logicalDpiY() / 25.4;
}

// The sheets of a printout that the print dialog's page range asks for (all without one),
// each begun on its own sheet of paper.
class SheetFeed {
  public:
    explicit SheetFeed(QPrinter& printer) : printer_(printer), chosen_(printer.pageRanges()) {}

    // True when sheet `number` (from 1) is printed; it is then begun.
    bool Start(int number) {
        if (!chosen_.isEmpty() && !chosen_.contains(number)) {
            return false;
        }
        if (started_) {
            printer_.newPage();
        }
        started_ = true;
        return true;
    }

  private:
    QPrinter& printer_;
    QPageRanges chosen_;
    bool started_ = false;
};

// One editor page: three heading lines at the top-left corner inside the margins, each
// where the one before ends, and 2 mm below them the picture, as large as fits.
void PaintPageSheet(QPainter& painter, const QImage& picture, const PageHeading& heading) {
    const QPaintDevice& device = *painter.device();
    const double mmX = DotsPerMillimetreX(device);
    const double mmY = DotsPerMillimetreY(device);
    const QFont headingFont = SheetFont(3 * mmY, 1.5 * mmX, true);
    const QFont textFont = SheetFont(2.5 * mmY, 1.3 * mmX, false);
    double y = 0;
    y += WriteAt(painter, headingFont, {0, y}, heading.title);
    y += WriteAt(painter, textFont, {0, y}, heading.dataSetComment);
    y += WriteAt(painter, textFont, {0, y}, heading.modelComment);
    y += 2 * mmY;
    const QSizeF size = picture.deviceIndependentSize();
    const double scale =
        std::min((device.height() - y) / size.height(), device.width() / size.width());
    if (scale > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, y, size.width() * scale, size.height() * scale), picture);
    }
}

// One sheet of the model list with the rows [first, first + count).
void PaintModelListSheet(QPainter& painter, const ModelListContent& content, int first, int count) {
    using namespace listsheet;
    const QPaintDevice& device = *painter.device();
    // Positions are in tenths of a millimetre.
    const double unitX = DotsPerMillimetreX(device) / 10;
    const double unitY = DotsPerMillimetreY(device) / 10;
    auto at = [&](double x, double y) { return QPointF(x * unitX, y * unitY); };
    const QFont titleFont = SheetFont(kTitleHeight * unitY, kTitleWidth * unitX, true);
    const QFont columnFont = SheetFont(kTextHeight * unitY, kTextWidth * unitX, true);
    const QFont textFont = SheetFont(kTextHeight * unitY, kTextWidth * unitX, false);

    painter.setPen(QPen(Qt::black, unitY));
    const double middle = device.height() / 2.0;
    painter.drawLine(QPointF(0, middle), QPointF(kFoldMarkLength * unitX, middle));
    WriteAt(painter, titleFont, at(kTitleX, kTitleY), content.title);
    WriteAt(painter, textFont, at(kTitleX, kCommentY), content.comment);
    for (std::size_t column = 0; column < content.columns.size(); ++column) {
        WriteAt(painter, columnFont, at(kColumnX[column], kColumnY), content.columns[column]);
    }
    const double right = device.width() / unitX - kRuleRightInset;
    for (const int y : kRuleY) {
        painter.drawLine(at(kRuleLeft, y), at(right, y));
    }
    for (int row = 0; row < count; ++row) {
        const ModelListRow& printed = content.rows[static_cast<std::size_t>(first + row)];
        const int y = kFirstRowY + row * kRowPitch;
        WriteAt(painter, textFont, at(kColumnX[0], y), printed.line);
        WriteAt(painter, textFont, at(kColumnX[2], y), printed.comment);
    }
}

}  // namespace

void HideWhenPrinted(QWidget* control) {
    if (control != nullptr) {
        control->setProperty(kHiddenWhenPrinted, true);
    }
}

Result<QImage> CapturePage(QWidget& page) {
    const Message failed = Message::Numbered(txt::kPrintCaptureFailed, {}, MessageIcon::Warning);
    if (page.width() <= 0 || page.height() <= 0) {
        return failed;
    }
    QImage picture(page.size() * kPictureRatio, QImage::Format_RGB32);
    if (picture.isNull()) {
        return failed;
    }
    picture.setDevicePixelRatio(kPictureRatio);
    picture.fill(page.palette().color(page.backgroundRole()));
    // Hidden without a layout pass, the command controls leave their place empty.
    std::vector<QWidget*> hidden;
    for (QWidget* child : page.findChildren<QWidget*>()) {
        if (child->property(kHiddenWhenPrinted).toBool() && !child->isHidden()) {
            child->hide();
            hidden.push_back(child);
        }
    }
    page.render(&picture);
    for (QWidget* child : hidden) {
        child->show();
    }
    return picture.convertToFormat(QImage::Format_RGB888);
}

Status PrintPagesTo(QPrinter& printer, const Session& session,
                    const std::vector<PrintedPage>& pages) {
    printer.setDocName(QString::fromUtf8(kPagesDocumentName));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return JobFailed();
    }
    SheetFeed feed(printer);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (!feed.Start(static_cast<int>(i) + 1)) {
            continue;
        }
        PaintPageSheet(painter, pages[i].picture,
                       PageHeadingFor(session.data, session.language, pages[i].model));
    }
    painter.end();
    return Status::Ok();
}

Status PrintModelListTo(QPrinter& printer, const Session& session, int numberingStart) {
    const ModelListContent content = ModelListFor(session.data, session.language, numberingStart);
    printer.setDocName(QString::fromUtf8(kModelListDocumentName));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return JobFailed();
    }
    const int height = static_cast<int>(printer.height() / DotsPerMillimetreY(printer) * 10);
    const std::vector<int> sheets = RowsPerSheet(static_cast<int>(content.rows.size()), height);
    SheetFeed feed(printer);
    int first = 0;
    for (std::size_t sheet = 0; sheet < sheets.size(); ++sheet) {
        if (feed.Start(static_cast<int>(sheet) + 1)) {
            PaintModelListSheet(painter, content, first, sheets[sheet]);
        }
        first += sheets[sheet];
    }
    painter.end();
    return Status::Ok();
}
