#include "pages/PageSupport.h"

#include "common/TextFormat.h"
#include "shell/CMainDialog.h"
#include "shell/QtUserDialogs.h"
#include "shell/Session.h"

QString PageText(CMainDialog& main, TextSpec spec) {
    return DisplayText(main.session().language.GetText(spec));
}

std::string PageFormat(CMainDialog& main, TextSpec spec,
                       const std::vector<MessageArgument>& arguments) {
    return FormatText(main.session().language.GetText(spec), arguments);
}
