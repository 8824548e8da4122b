#pragma once

#include <QCoreApplication>
#include <QStringList>

// The window in the user's language. The translations are built into the program (from
// the translations/ folder), so the Debian package and the Windows build carry the same.

// The languages the window speaks, "en" first.
QStringList ShippedLanguages();

// Installs the window's translations for `language` (a code from ShippedLanguages(); empty
// for the system's language), Qt's own for its dialogs and buttons, and the translator of
// the messages built below the window. A language without a translation gives English; a
// second call replaces the first one's language.
void InstallTranslations(QCoreApplication& app, const QString& language);
