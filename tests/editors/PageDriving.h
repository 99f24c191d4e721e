#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <string>

#include "editors/ModelEditorPage.h"

// An editor page's controls driven as the user drives them.
template <typename Control>
Control* ControlOf(const ModelEditorPage& page, const std::string& key) {
    auto* control = qobject_cast<Control*>(page.Control(key));
    EXPECT_NE(control, nullptr) << key;
    return control;
}

// Types the text into the field and leaves it.
inline void TypeInto(const ModelEditorPage& page, const std::string& key, const QString& text) {
    auto* edit = ControlOf<QLineEdit>(page, key);
    edit->setText(text);
    Q_EMIT edit->editingFinished();
    QCoreApplication::processEvents();
}

// Chooses the entry of the list.
inline void ChooseIn(const ModelEditorPage& page, const std::string& key, const QString& entry) {
    auto* list = ControlOf<QComboBox>(page, key);
    const int index = list->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}
