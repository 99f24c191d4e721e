#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <memory>
#include <string>

#include "PageDriving.h"
#include "editors/ModelEditorPage.h"
#include "shell/CMainDialog.h"
#include "shell/Session.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

// The main window on a data set with the language files, its editor pages driven as the
// user drives them.
class EditorWindow {
  public:
    EditorWindow(CamPacData data, int basePage) : base_(basePage) {
        CopyLanguageFiles(folder.path());
        session.language.LoadLanguage(1);
        session.data = std::move(data);
        window = std::make_unique<CMainDialog>(session, dialogs);
        window->ChooseTypeTabs();
        Settle();
    }

    static void Settle() { QCoreApplication::processEvents(); }
    ModelEditorPage& Page(int number) {
        auto* page = dynamic_cast<ModelEditorPage*>(window->Page(number));
        EXPECT_NE(page, nullptr) << number;
        return *page;
    }
    ModelEditorPage& Base() { return Page(base_); }
    QLineEdit* Edit(int page, const std::string& key) {
        return ControlOf<QLineEdit>(Page(page), key);
    }
    QComboBox* List(int page, const std::string& key) {
        return ControlOf<QComboBox>(Page(page), key);
    }
    void Type(int page, const std::string& key, const QString& text) {
        TypeInto(Page(page), key, text);
        Settle();
    }
    void Choose(int page, const std::string& key, const QString& entry) {
        ChooseIn(Page(page), key, entry);
        Settle();
    }
    void Click(QAbstractButton* button) {
        button->click();
        Settle();
    }
    void StartEditing() { Click(Base().editToggle()); }
    Byte SlotByte(int model, int offset) {
        return session.data.modelSlots.Slot(model)[static_cast<std::size_t>(offset)];
    }

    TempFolder folder;
    Session session{folder.path()};
    ScriptedDialogs dialogs;
    std::unique_ptr<CMainDialog> window;

  private:
    int base_;
};
