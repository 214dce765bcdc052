// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests of the main window share: a private profile, scripted
// message boxes and a transfer that records its mode instead of opening a port.
#include "App.h"
#include "CData_All.h"
#include "MessageBoxes.h"
#include "TestSupport.h"

#include <QMessageBox>
#include <QString>

#include <vector>

struct ShownMessage {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
};

class ShellTestEnvironment {
public:
    // The session of a windowed program with identity, its profile and
    // copies in a private folder.
    explicit ShellTestEnvironment(const Identity& identity = {}) : app(TestIdentity(identity))
    {
        app.profilePath = m_dir.File("mvconf.ini");
        app.backupFolder = m_dir.File("backups");
        app.doc.SetPhoneType(identity.phoneType);
        app.runTransfer = [this](int mode) {
            transferModes.push_back(mode);
            if (onTransfer)
                onTransfer(mode);
        };
        SetMessageHookForTesting([this](QMessageBox::Icon icon, const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons buttons) {
            messages.push_back({icon, caption, text, buttons});
            return answer;
        });
    }

    ~ShellTestEnvironment() { SetMessageHookForTesting({}); }

    ShellTestEnvironment(const ShellTestEnvironment&) = delete;
    ShellTestEnvironment& operator=(const ShellTestEnvironment&) = delete;

    std::string File(std::string_view name) const { return m_dir.File(name); }

    App app;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::vector<ShownMessage> messages;
    std::vector<int> transferModes;
    std::function<void(int mode)> onTransfer;

private:
    TempDir m_dir;
};
