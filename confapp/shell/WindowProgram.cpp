// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowProgram.h"

#include "App.h"
#include "CDocCommands.h"
#include "CMainFrame.h"
#include "Derivat.h"
#include "DisplayCheck.h"
#include "GermanButtonTexts.h"

#include <QApplication>

#include <iostream>

namespace {

// The document named on the command line, or empty for a new one.
QString DocumentArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments.at(i).startsWith(QLatin1Char('-')))
            return arguments.at(i);
    return {};
}

} // namespace

void LoadIdentityAndSettings()
{
    Derivat().DerivatLoad();
    Derivat().DerivatToProperties(1);
    App::Instance().ProfileSettingsGet();
}

int RunWindowProgram(int argc, char** argv)
{
    BeginDisplayCheck("mvconf");
    QApplication application(argc, argv);
    EndDisplayCheck();
    // Ties the window to its menu entry and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("mvconf"));
    QApplication::setApplicationName(QStringLiteral("mvconf"));
    InstallGermanButtonTexts(application);

    LoadIdentityAndSettings();

    int status = 0;
    {
        CMainFrame frame;
        const QString file = DocumentArgument(QApplication::arguments());
        QString error;
        if (file.isEmpty()) {
            frame.Docs().NewWithoutQuestion();
        } else if (!frame.Docs().OpenWithoutQuestion(file, error)) {
            std::cerr << "mvconf: Das Dokument kann nicht geöffnet werden. " << error.toStdString()
                      << "\nBitte prüfen Sie den Dateinamen.\n";
            return 2;
        }
        frame.show();
        status = QApplication::exec();
    }
    App::Instance().ProfileSettingsSet();
    return status;
}
