// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"
#include "DownloadDialog.h"
#include "FwCliMain.h"
#include "FwCliOptions.h"
#include "FwCommandLine.h"
#include "GermanButtonTexts.h"
#include "Trace.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv)
{
    TraceSetFraming(TraceFraming::TrailingBreak);
    if (IsFwCliInvocation(argc, argv))
        return RunFwCli(argc, argv, std::cout, std::cerr);
    const FwCommandLine commandLine = FwCommandLine::Parse(FwCommandLine::Join(argc, argv));
    BeginDisplayCheck("fwload");
    QApplication app(argc, argv);
    EndDisplayCheck();
    InstallGermanButtonTexts(app);
    // Ties the window to its menu entry and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("fwload"));
    DownloadDialog dialog(commandLine);
    dialog.OnInitDialog();
    dialog.exec();
    return 0;
}
