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
    explicit ShellTestEnvironment(const Identity& identity = {}) : m_identity(identity)
    {
        App& app = App::Instance();
        app.profilePath = m_dir.File("mvconf.ini");
        app.backupFolder = m_dir.File("backups");
        app.data = CData_All();
        app.saved = CData_All();
        app.transfer = CData_All();
        app.comPort = 2;
        app.x = app.y = 20;
        app.dx = app.dy = 0;
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

    ~ShellTestEnvironment()
    {
        SetMessageHookForTesting({});
        App::Instance().runTransfer = {};
        App::Instance().profilePath.clear();
        App::Instance().backupFolder.clear();
    }

    ShellTestEnvironment(const ShellTestEnvironment&) = delete;
    ShellTestEnvironment& operator=(const ShellTestEnvironment&) = delete;

    std::string File(std::string_view name) const { return m_dir.File(name); }

    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::vector<ShownMessage> messages;
    std::vector<int> transferModes;
    std::function<void(int mode)> onTransfer;

private:
    TempDir m_dir;
    IdentityScope m_identity;
};
