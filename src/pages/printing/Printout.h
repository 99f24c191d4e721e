#pragma once

#include <QImage>
#include <vector>

#include "common/Result.h"

class QPrinter;
class QWidget;
struct Session;

// The printouts themselves, onto a printer that is already set up: no dialogs here.

// The document names the printouts carry (a PDF file's title).
inline constexpr const char* kPagesDocumentName = "Settings";
inline constexpr const char* kModelListDocumentName = "Models";

// Marks a control that the picture of its page leaves out (the page's command buttons).
void HideWhenPrinted(QWidget* control);

// The picture of a page as it looks on the screen, in 24-bit colour at twice the screen's
// resolution, without the controls marked by HideWhenPrinted; text 77 when there is none.
Result<QImage> CapturePage(QWidget& page);

// Editor pages, one sheet each: the heading about the data set and the page's model, and
// below it the page's picture (from CapturePage) scaled to fit the sheet both ways, inside
// the margins of the printer's page layout. Text 78 when the document cannot be started.
struct PrintedPage {
    QImage picture;
    int model;
};
Status PrintPagesTo(QPrinter& printer, const Session& session,
                    const std::vector<PrintedPage>& pages);

// The model list as a table, continued on further sheets with the headings repeated when
// it does not fit on one; text 78 when the document cannot be started.
Status PrintModelListTo(QPrinter& printer, const Session& session, int numberingStart);
