#include "pages/PageSupport.h"

#include "common/TextFormat.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"

QString PageText(CMainDialog& main, NumberedText numbered) {
    return DisplayText(main.session().language.GetText(numbered));
}

std::string PageFormat(CMainDialog& main, NumberedText numbered,
                       const std::vector<MessageArgument>& arguments) {
    return FormatText(main.session().language.GetText(numbered), arguments);
}
