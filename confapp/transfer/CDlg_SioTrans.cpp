// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlg_SioTrans.h"

#include "MessageBoxes.h"
#include "QtTransferHost.h"
#include "Trace.h"
#include "TransferTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

namespace {

// The running pattern; its 64 characters are fixed.
constexpr const char kPattern[] = "0101100110110101010111011010011010101101010011010100110100110101";
constexpr int kPatternLength = static_cast<int>(sizeof kPattern - 1);

int& Offset()
{
    static int offset = 0;
    return offset;
}

void Trace(const char* message)
{
    TraceLine("CDlg_SioTrans", message);
}

bool Reads(int mode)
{
    return mode == MODE_READ_CFG || mode == MODE_READ_DIALNAME;
}

QLabel* AddLabel(QVBoxLayout* layout, const char* text, const char* name)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(QString::fromLatin1(name));
    layout->addWidget(label);
    return label;
}

} // namespace

CDlg_SioTrans::CDlg_SioTrans(int mode, CData_All& transferCopy, CData_All& documentData, const CDerivat& switches,
                             int portNumber, std::string devicePath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_host(new QtTransferHost(this)),
      m_runner(std::make_unique<CTransferRunner>(mode, transferCopy, documentData, switches, *m_host))
{
    m_runner->SetPort(portNumber, std::move(devicePath));
    m_host->onTimer = [this](int id) { OnTimer(id); };
    m_runner->onChange = [this] { OnRunnerChange(); };
    setWindowTitle(QStringLiteral("Datenaustausch"));
    setModal(true);
    BuildControls();
}

// The runner goes first: it stops its timers on the host, a child of this window.
CDlg_SioTrans::~CDlg_SioTrans()
{
    m_runner.reset();
}

void CDlg_SioTrans::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    AddLabel(layout, kTransferInstruction, "instruction");
    AddLabel(layout, kTransferKeys, "keys");
    layout->addSpacing(fontMetrics().height());
    m_text = AddLabel(layout, "Bitte warten Datenaustausch.", "status");
    m_reason = AddLabel(layout, "", "reason");
    m_reason->setWordWrap(true);
    m_reason->hide();
    m_pattern = AddLabel(layout, "", "pattern");
    // Room for the whole pattern: it must not jump about as it turns.
    m_pattern->setMinimumWidth(m_pattern->fontMetrics().horizontalAdvance(QString::fromLatin1(kPattern)));
    m_progress = new QProgressBar;
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(QStringLiteral("Fortschritt")); // no label names it
    layout->addWidget(m_progress);
    layout->addSpacing(fontMetrics().height());

    auto* buttons = new QHBoxLayout;
    m_repeat = new QPushButton(QStringLiteral("Wiederholen"));
    m_cancel = new QPushButton(QStringLiteral("Abbrechen"));
    m_repeat->hide();
    buttons->addStretch();
    buttons->addWidget(m_repeat);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_repeat, &QPushButton::clicked, this, &CDlg_SioTrans::OnSiotransRepeat);
    connect(m_cancel, &QPushButton::clicked, this, &CDlg_SioTrans::OnSiotransCancel);

    // 198 dialog units wide: a quarter of the average character width each.
    setMinimumWidth(fontMetrics().averageCharWidth() * 198 / 4);
}

// The transfer starts as the window is first shown, but before it is laid
// out, so that it opens with the texts of the mode already in place.
void CDlg_SioTrans::setVisible(bool visible)
{
    if (visible && !m_started) {
        m_started = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

void CDlg_SioTrans::OnInitDialog()
{
    Trace("OnInitDialog()");
    m_runner->Start();
}

void CDlg_SioTrans::OnTimer(int id)
{
    m_runner->OnTimer(id);
    if (id == CTransferRunner::kPollTimer && m_runner->GetStatus() == CTransferRunner::Status::Running)
        ShowNextPattern();
}

void CDlg_SioTrans::OnRunnerChange()
{
    using Status = CTransferRunner::Status;
    const Status status = m_runner->GetStatus();
    const bool changed = status != m_shownStatus;
    m_shownStatus = status;
    // A fresh start begins at 0 whatever the link kept from a failed attempt.
    m_progress->setValue(changed && status == Status::Running ? 0 : m_runner->Progress());
    if (!changed)
        return;
    switch (status) {
    case Status::Running:
        Link_Init_Dlg();
        break;
    case Status::Succeeded:
        Beep();
        accept();
        break;
    case Status::Failed:
    case Status::PortFailed:
        Beep();
        Link_Init_Dlg();
        break;
    case Status::Cancelled:
        reject();
        break;
    case Status::Idle:
        break;
    }
}

void CDlg_SioTrans::Link_Init_Dlg()
{
    Trace("Link_Init_Dlg()");
    const int mode = m_runner->Mode();
    const bool failed = m_runner->GetStatus() == CTransferRunner::Status::Failed;
    m_text->setText(QString::fromUtf8(failed ? TransferFailureText(mode) : TransferRunningText(mode)));
    const bool portFailed = mode == MODE_PORT_FAILED;
    const std::string howToName = "bitte auf der Seite \"Datenaustausch\" mit \"Gerät wählen...\" eines für COM " +
                                  std::to_string(m_runner->Port().PortNumber()) + " wählen.";
    m_reason->setText(QString::fromStdString(portFailed ? PortOpenFailureReason(m_runner->Port(), howToName)
                                             : failed   ? FailureReason()
                                                        : std::string()));
    m_reason->setVisible(portFailed || failed);
    m_repeat->setVisible(failed && !portFailed);
}

// Where, why, and what a write left in the telephone, as the command line says it.
std::string CDlg_SioTrans::FailureReason() const
{
    const CSio& port = m_runner->Port();
    std::string reason = "COM " + std::to_string(port.PortNumber()) + ", Gerät " + port.DevicePath() + ".";
    if (const std::string cause = m_runner->FailureCause(); !cause.empty())
        reason += " " + cause;
    if (!Reads(m_runner->RequestedMode()) && m_runner->TelephoneTookPart())
        reason += " " + PartlyWrittenNotice(m_runner->RequestedMode(), AgainCommand(m_runner->RequestedMode()));
    return reason;
}

const char* CDlg_SioTrans::AgainCommand(int mode)
{
    return mode == MODE_WRITE_DIALNAME ? "mit \"Telefonbuch senden\"" : "mit \"Konfiguration senden\"";
}

// The pattern scrolls one way while the telephone sends and the other way
// while the PC sends.
void CDlg_SioTrans::ShowNextPattern()
{
    int& offset = Offset();
    offset = ((offset % kPatternLength) + kPatternLength) % kPatternLength;
    const QString pattern = QString::fromLatin1(kPattern);
    m_pattern->setText(pattern.mid(offset) + pattern.left(offset));
    offset = (offset + (Reads(m_runner->RequestedMode()) ? 1 : kPatternLength - 1)) % kPatternLength;
}

void CDlg_SioTrans::OnSiotransCancel()
{
    m_runner->Cancel();
}

void CDlg_SioTrans::OnSiotransRepeat()
{
    m_runner->Repeat();
}

// Escape ends the window without a word to the telephone. The link must not
// go on and hand data over to a document whose window thinks it is done.
void CDlg_SioTrans::done(int result)
{
    if (m_runner->GetStatus() == CTransferRunner::Status::Running) {
        m_host->onTimer = {};
        for (int id : {CTransferRunner::kPollTimer, CTrans::M_TRANS_WAITRDY_TIMER, CTrans::M_TRANS_ANSWER_TIMER})
            m_host->KillTimer(id);
    }
    QDialog::done(result);
}

QString CDlg_SioTrans::StatusText() const
{
    return m_text->text();
}

QString CDlg_SioTrans::ReasonText() const
{
    return m_reason->text();
}

QString CDlg_SioTrans::PatternText() const
{
    return m_pattern->text();
}

int CDlg_SioTrans::ProgressValue() const
{
    return m_progress->value();
}

bool CDlg_SioTrans::RepeatOffered() const
{
    return !m_repeat->isHidden();
}

int CDlg_SioTrans::PatternOffset()
{
    return Offset();
}

void CDlg_SioTrans::SetPatternOffset(int offset)
{
    Offset() = offset;
}

const char* CDlg_SioTrans::Pattern()
{
    return kPattern;
}
