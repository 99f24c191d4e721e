#pragma once

#include <QString>
#include <memory>

class QTranslator;

// Qt's own texts (the buttons of message boxes, the file dialogs) in the program's
// language, from the translations Qt installs beside itself.
class QtTranslation {
  public:
    QtTranslation();
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // Switches to the language of a settings index (1 German, 2 English, 3 Italian,
    // 4 Dutch, 5 French); English, like any other index, is Qt's built-in language.
    // False when the translation of the language cannot be found.
    bool Apply(int language);

    // The locale name of a settings index ("de"), empty for English and other indices.
    static QString LocaleName(int language);

  private:
    std::unique_ptr<QTranslator> translator_;
};
