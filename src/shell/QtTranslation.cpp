#include "shell/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QtTranslation::QtTranslation() = default;
QtTranslation::~QtTranslation() = default;

QString QtTranslation::LocaleName(int language) {
    switch (language) {
        case 1:
            return QStringLiteral("de");
        case 3:
            return QStringLiteral("it");
        case 4:
            return QStringLiteral("nl");
        case 5:
            return QStringLiteral("fr");
        default:
            return {};
    }
}

bool QtTranslation::Apply(int language) {
    // A translator removes itself from the application when it is destroyed.
    translator_.reset();
    const QString locale = LocaleName(language);
    if (locale.isEmpty()) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    return true;
}
