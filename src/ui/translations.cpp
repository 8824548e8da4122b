#include "ui/translations.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "config/ui_text.h"

namespace {

const QString kFolder = QStringLiteral(":/i18n");

std::string TranslateText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

QStringList ShippedLanguages() {
    QStringList out{QStringLiteral("en")};
    const QStringList files =
        QDir(kFolder).entryList({QStringLiteral("vt350-config_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        out << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    }
    return out;
}

void InstallTranslations(QCoreApplication& app, const QString& language) {
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    // Kept for the program's life, as QCoreApplication expects; another call replaces the
    // language before (English where the new one has no translation).
    static QTranslator own, qt;
    app.removeTranslator(&own);
    app.removeTranslator(&qt);
    QLocale::setDefault(QLocale::system());
    if (own.load(locale, QStringLiteral("vt350-config"), QStringLiteral("_"), kFolder)) {
        app.installTranslator(&own);
        // Qt's own texts: built in where Qt is (Windows), else the system's.
        if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), kFolder) ||
            qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            app.installTranslator(&qt);
        }
        QLocale::setDefault(locale);
    }
    SetTextTranslator(TranslateText);
}
