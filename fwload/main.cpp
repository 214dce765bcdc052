// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"
#include "DownloadDialog.h"
#include "FwCliMain.h"
#include "FwCliOptions.h"
#include "FwCommandLine.h"
#include "FwStrings.h"
#include "QtTranslations.h"
#include "Trace.h"

#include <QApplication>
#include <QMessageBox>

#include <iostream>

namespace {

constexpr int kExitUsage = 2;

// Started from a launcher nobody reads stderr, so the box says it too. The
// program ends rather than guess: a port or file other than the one asked
// for would load the wrong telephone.
int RefuseSwitch(const std::string& error)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ISDN Telefon Download"),
                    QString::fromUtf8((error + "\n\n" + FwString(IDS_FW_TEXT_BAD_SWITCH_END) + " " +
                                       FwString(IDS_FW_TEXT_MORE_HELP))
                                          .c_str()),
                    QMessageBox::Ok);
    box.exec();
    return kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    TraceSetFraming(TraceFraming::TrailingBreak);
    if (IsFwCliInvocation(argc, argv))
        return RunFwCli(argc, argv, std::cout, std::cerr);
    const FwCommandLine commandLine = FwCommandLine::Parse(FwCommandLine::Join(argc, argv));
    if (!commandLine.error.empty())
        std::cerr << "fwload: " << commandLine.error << "\n" << FwString(IDS_FW_TEXT_MORE_HELP) << "\n";
    BeginDisplayCheck("fwload");
    QApplication app(argc, argv);
    EndDisplayCheck();
    InstallTranslations(app);
    // Ties the window to its menu entry and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("fwload"));
    if (!commandLine.error.empty())
        return RefuseSwitch(commandLine.error);
    DownloadDialog dialog(commandLine);
    dialog.OnInitDialog();
    dialog.exec();
    return 0;
}
