// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal transfer window: runs one transfer with the telephone and shows
// its progress; on success the transfer copy becomes the document data.
#include "TransferRunner.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <string>

class CData_All;
class QLabel;
class QProgressBar;
class QPushButton;
class QtTransferHost;

class CDlg_SioTrans : public QDialog {
    Q_OBJECT
public:
    // mode 0..3 (send/read configuration, send/read phone book); switches:
    // the document's, where the link starts from; portNumber names the port
    // in texts, devicePath is what is opened.
    CDlg_SioTrans(int mode, CData_All& transferCopy, CData_All& documentData, const CDerivat& switches,
                  int portNumber, std::string devicePath, QWidget* parent = nullptr);
    ~CDlg_SioTrans() override;

    // Every timer of the window: the poll timer moves the pattern, the
    // link's own timers go to the link.
    void OnTimer(int id);

    // What the window shows, for tests and callers that want to know more
    // than the result.
    CTransferRunner& Runner() { return *m_runner; }
    QString StatusText() const;   // what is happening, or what went wrong
    QString ReasonText() const;   // why the port could not be opened
    QString PatternText() const;  // the running pattern as shown
    int ProgressValue() const;
    bool RepeatOffered() const;   // "Wiederholen" is shown
    QPushButton* RepeatButton() const { return m_repeat; }
    QPushButton* CancelButton() const { return m_cancel; }

    // How the user sends a write again, for the texts after a failure or a cancel.
    static const char* AgainCommand(int mode);

    // The pattern keeps its position from one window to the next.
    static int PatternOffset();
    static void SetPatternOffset(int offset);
    static const char* Pattern();

    void setVisible(bool visible) override;
    void done(int result) override;

private:
    void BuildControls();
    void OnInitDialog();
    void OnRunnerChange();
    void Link_Init_Dlg();
    std::string FailureReason() const;
    void ShowNextPattern();
    void OnSiotransCancel();
    void OnSiotransRepeat();

    QtTransferHost* m_host;
    std::unique_ptr<CTransferRunner> m_runner;
    CTransferRunner::Status m_shownStatus = CTransferRunner::Status::Idle;
    bool m_started = false;

    QLabel* m_text = nullptr;
    QLabel* m_reason = nullptr;
    QLabel* m_pattern = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_repeat = nullptr;
    QPushButton* m_cancel = nullptr;
};
