#include "pages/printing/PrintCommands.h"

#include <QPrinter>
#include <cmath>

#include "common/UserDialogs.h"
#include "pages/printing/PrintDialogs.h"
#include "pages/printing/Printout.h"
#include "shell/Session.h"

namespace {

// The margins are kept in hundredths of a millimetre; the page layout holds millimetres.
QMarginsF Millimetres(const PageMargins& margins) {
    return QMarginsF(margins.left / 100.0, margins.top / 100.0, margins.right / 100.0,
                     margins.bottom / 100.0);
}

PageMargins Hundredths(const QMarginsF& margins) {
    auto hundredths = [](qreal millimetres) {
        return static_cast<int>(std::lround(millimetres * 100));
    };
    return {hundredths(margins.left()), hundredths(margins.top()), hundredths(margins.right()),
            hundredths(margins.bottom())};
}

void ShowFailure(UserDialogs& dialogs, const Status& printed) {
    if (!printed) {
        dialogs.Show(printed.error());
    }
}

}  // namespace

void PrintEditorPage(Session& session, UserDialogs& dialogs, PrintDialogs& printDialogs,
                     QWidget& page, int model) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(kPagesDocumentName));
    printer.setPageMargins(Millimetres(session.pageMargins), QPageLayout::Millimeter);
    if (!printDialogs.SetUpPage(printer)) {
        return;
    }
    session.pageMargins = Hundredths(printer.pageLayout().margins(QPageLayout::Millimeter));
    if (!printDialogs.ChoosePrinter(printer)) {
        return;
    }
    // The printer chosen last gets the margins just set up.
    printer.setPageMargins(Millimetres(session.pageMargins), QPageLayout::Millimeter);
    Result<QImage> picture = CapturePage(page);
    if (!picture) {
        dialogs.Show(picture.error());
        return;
    }
    ShowFailure(dialogs, PrintPagesTo(printer, session, {{std::move(picture.value()), model}}));
}

void PrintModelList(Session& session, UserDialogs& dialogs, PrintDialogs& printDialogs,
                    int numberingStart) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(kModelListDocumentName));
    // The list is placed from the corner of the printable area, whichever printer is chosen.
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    if (!printDialogs.ChoosePrinter(printer)) {
        return;
    }
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    ShowFailure(dialogs, PrintModelListTo(printer, session, numberingStart));
}
