// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of fwload: choosing the port and the firmware file, START,
// progress, abort, and the restart of a download that did not finish. The
// protocol itself runs in CDownloadProtocol; this class only binds it to the
// controls, the menu and the profile.
#include "CDownloadProtocol.h"
#include "DownloadLink.h"
#include "FwCommandLine.h"
#include "FwSettings.h"

#include <QDialog>
#include <QMessageBox>

#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QProgressBar;
class QPushButton;

class DownloadDialog : public QDialog, public IDownloadView {
public:
    explicit DownloadDialog(const FwCommandLine& commandLine, QWidget* parent = nullptr);
    ~DownloadDialog() override;

    // Before the dialog is shown: port, profile flags, the restart question,
    // the window's size and position, and the file of the command line.
    void OnInitDialog();

    bool LoadSoftware();
    void OnStart();
    // "Übertragung unterbrechen": the port closes, the file stays loaded.
    void OnAbort();
    void OnPortCom(int n);
    void OnChooseDevice();
    void ResetValuesAndDialog();
    bool SafeRecoveryLoad();
    void SafeRecoveryStart();

    // IDownloadView
    void ShowMessage(int textId, int captionId, Icon icon, const std::string& detail) override;
    bool AskYesNo(int textId, int captionId) override;
    void ResetDialog() override;
    void RefreshFields() override;
    void StepProgress() override;
    void ShowReceived(const std::string& text) override;
    void ShowSent(const std::string& text) override;
    void ShowPhoneVersion(const std::string& text) override;
    void SetDownloadActive(int active) override;
    void DisablePortCommands() override;
    void DownloadEnded() override;
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;

protected:
    // Every message box and question of the dialog; tests answer here.
    virtual QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons buttons);
    // The hex file to load; empty when the user cancels.
    virtual QString AskHexFile(const QString& folder);
    // The device for the current port; empty when the user cancels.
    virtual QString AskDevice(const QStringList& devices, const QString& current);

    // Esc alone must not end a download by accident; closing the window does.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    QGroupBox* BuildFileGroup();
    QGroupBox* BuildStartGroup();
    QGroupBox* BuildAbortGroup();
    QGroupBox* BuildDebugArea();
    QMenuBar* BuildMenu();
    int DuX(int units) const;
    int DuY(int units) const;

    int InitialPort();
    int InitialDownloadFlag();
    void AskRestart();
    void PlaceWindow();
    void InitPort();
    void UpdatePortMenu();
    void SetPortCommandsEnabled(bool enabled);
    bool OpenPort();
    void ClosePort();
    bool AskToStart(const QString& caption, const QString& text);
    // A start message's text with the loaded file's duration.
    QString FileDuration(int textId) const;
    void ShowStarted();
    void StopDownload();

    QString ChooseHexFile();
    bool LoadFile(const std::string& path, bool messageWithoutVersionFile);
    void ShowLoaded();

    FwCommandLine m_commandLine;
    FwSettings m_settings;
    DownloadLink m_link;
    int m_port = 2;
    bool m_hardwareFlag = false;
    bool m_closeRequested = false;

    QLabel* m_currentFile = nullptr;
    QPushButton* m_start = nullptr;
    QProgressBar* m_progress = nullptr;
    QLineEdit* m_percent = nullptr;
    QGroupBox* m_debugArea = nullptr;
    QLabel* m_received = nullptr;
    QLineEdit* m_timeouts = nullptr;
    QLineEdit* m_naks = nullptr;
    QLabel* m_sent = nullptr;
    QLabel* m_fileInfo = nullptr;
    QLabel* m_fileVersion = nullptr;
    QLabel* m_phoneVersion = nullptr;
    std::vector<QAction*> m_portCommands;
    QAction* m_deviceCommand = nullptr;
};
