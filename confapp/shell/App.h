// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session of the windowed program: the three data sets, the document,
// the per-user settings and the four transfer commands. The window's start
// makes it and hands it to the frame, which hands it on to the view and the
// pages that use it.
#include "CData_All.h"
#include "CQ410CfDoc.h"

#include <functional>
#include <string>

class QWidget;

// What the application needs from the view: keep the active page and the
// document data in step.
class IDataView {
public:
    virtual ~IDataView() = default;
    virtual void MoveDataDocToView() = 0;
    virtual void MoveDataViewToDoc() = 0;
};

class App {
public:
    explicit App(const BuildIdentity& identity);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    CData_All data;     // what the pages edit
    CData_All saved;    // as last loaded or saved; "modified" compares against it
    CData_All transfer; // what a transfer sends from or receives into
    CQ410CfDoc doc;

    int comPort = 2;               // "Transfer"/"ComPort", 1..4
    int x = 20, y = 20, dx = 0, dy = 0; // "Screen"/"X", "Y", "DX", "DY"

    QWidget* mainFrame = nullptr;  // set by the main frame when it is created
    IDataView* view = nullptr;

    // ${XDG_CONFIG_HOME:-~/.config}/mvconf/mvconf.ini unless a test set another.
    std::string profilePath;
    // Where transfers keep their copies; the per-user folder unless a test set another.
    std::string backupFolder;

    void ProfileSettingsGet();
    void ProfileSettingsSet();

    // Runs the transfer window modally in mode 0..3; tests replace it.
    std::function<void(int mode)> runTransfer;
    // What runTransfer does at first: the window on the chosen port; the
    // status bar then tells where the copy of what was read or sent went.
    void RunTransferWindow(int mode);

    // backupFolder, or the per-user folder when none was set.
    std::string BackupFolder() const;
    // profilePath, or the per-user profile when none was set.
    std::string ProfilePath() const;

    void DoRxCfg();
    void DoRxDialName();
    void DoTxCfg();
    void DoTxDialName();

private:
    void MoveViewToDoc();
    void MoveDocToView();
    // False when the user would rather not send a half that the document's
    // file did not hold (and that has not been filled since).
    bool MaySend(bool phoneBook) const;
    void RunTransfer(int mode);
};
