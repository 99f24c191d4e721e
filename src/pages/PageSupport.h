#pragma once

#include <QString>
#include <string>
#include <vector>

#include "common/Message.h"
#include "common/NumberedText.h"

class CMainDialog;
class QWidget;

// A numbered text of the open language file as a page shows it.
QString PageText(CMainDialog& main, NumberedText numbered);
// A numbered text formatted with its arguments, in UTF-8 for a prompt.
std::string PageFormat(CMainDialog& main, NumberedText numbered,
                       const std::vector<MessageArgument>& arguments);
// Names a control for tests and tooltips alike.
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
