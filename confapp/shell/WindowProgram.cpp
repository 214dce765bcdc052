// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowProgram.h"

#include "App.h"
#include "CDocCommands.h"
#include "CMainFrame.h"
#include "Derivat.h"
#include "DisplayCheck.h"
#include "QtTranslations.h"
#include "MessageBoxes.h"

#include <QApplication>

#include <iostream>

namespace {

const char* const kProgramTitle = "Systemtelefon MV850";

// The document named on the command line, or empty for a new one.
QString DocumentArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments.at(i).startsWith(QLatin1Char('-')))
            return arguments.at(i);
    return {};
}

// The document named on the command line, or a new one. One that cannot be
// opened ends the start: said on stderr for a start from a terminal and in a
// message box for one from a file manager, where nobody sees stderr.
bool OpenStartDocument(CMainFrame& frame, const QString& file, std::ostream& err)
{
    if (file.isEmpty()) {
        frame.Docs().NewWithoutQuestion();
        return true;
    }
    QString error;
    if (frame.Docs().OpenWithoutQuestion(file, error))
        return true;
    const QString text =
        QString::fromUtf8("Das Dokument kann nicht geöffnet werden. %1\nBitte prüfen Sie den Dateinamen.").arg(error);
    err << "mvconf: " << text.toStdString() << "\n" << std::flush;
    ShowMessage(nullptr, QMessageBox::Critical, QString::fromUtf8(kProgramTitle), text);
    return false;
}

} // namespace

int RunWindowProgram(int argc, char** argv)
{
    BeginDisplayCheck("mvconf");
    QApplication application(argc, argv);
    EndDisplayCheck();
    // Ties the window to its menu entry and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("mvconf"));
    QApplication::setApplicationName(QStringLiteral("mvconf"));
    InstallTranslations(application);

    App app(DerivatLoad());
    return RunMainWindow(app, DocumentArgument(QApplication::arguments()), std::cerr);
}

int RunMainWindow(App& app, const QString& file, std::ostream& err)
{
    app.ProfileSettingsGet();
    int status = 0;
    {
        CMainFrame frame(app);
        if (!OpenStartDocument(frame, file, err))
            return 2;
        frame.show();
        status = QApplication::exec();
    }
    app.ProfileSettingsSet();
    return status;
}
