// SPDX-License-Identifier: GPL-3.0-or-later
#include "GermanButtonTexts.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstring>

namespace {

struct Text {
    const char* english;
    const char* german;
};

// Qt's own standard texts as it asks for them (with their mnemonics).
constexpr Text kButtonTexts[] = {
    {"OK", "OK"},
    {"&Yes", "&Ja"},
    {"&No", "&Nein"},
    {"Cancel", "Abbrechen"},
    {"Save", "Speichern"},
    {"Open", "Öffnen"},
    {"Close", "Schließen"},
    {"Apply", "Übernehmen"},
    {"Help", "Hilfe"},
    {"Discard", "Verwerfen"},
    {"Don't Save", "Nicht speichern"},
    {"Yes to &All", "Ja, &alle"},
    {"N&o to All", "N&ein, keine"},
    {"Retry", "Wiederholen"},
    {"Ignore", "Ignorieren"},
    {"Abort", "Abbrechen"},
    {"&Print", "&Drucken"},
    {"Print", "Drucken"},
};

class CGermanButtonTexts : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        (void)disambiguation;
        (void)n;
        if (!context || !sourceText)
            return {};
        if (std::strcmp(context, "QPlatformTheme") != 0 && std::strcmp(context, "QDialogButtonBox") != 0 &&
            std::strcmp(context, "QPrintDialog") != 0)
            return {};
        for (const Text& text : kButtonTexts)
            if (std::strcmp(text.english, sourceText) == 0)
                return QString::fromUtf8(text.german);
        return {};
    }

    bool isEmpty() const override { return false; }
};

} // namespace

void InstallGermanButtonTexts(QCoreApplication& application)
{
    static CGermanButtonTexts translator;
    application.installTranslator(&translator);
}
