// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTranslations.h"

#include "GermanButtonTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// English needs no file, so an English desktop gets the German the program
// itself speaks instead of a mixture.
bool LoadQtTexts(QTranslator& translator)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale system = QLocale::system();
    if (system.language() != QLocale::C && system.language() != QLocale::English &&
        translator.load(system, QStringLiteral("qt"), QStringLiteral("_"), folder))
        return true;
    return translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qt"), QStringLiteral("_"),
                           folder);
}

} // namespace

bool InstallTranslations(QCoreApplication& application)
{
    static QTranslator qtTexts;
    const bool loaded = LoadQtTexts(qtTexts);
    if (loaded)
        application.installTranslator(&qtTexts);
    // Installed last, so asked first: the buttons keep their German texts
    // even where a system translation words them otherwise.
    InstallGermanButtonTexts(application);
    return loaded;
}
