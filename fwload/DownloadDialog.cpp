// SPDX-License-Identifier: GPL-3.0-or-later
#include "DownloadDialog.h"

#include "DialogText.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace dialogtext;

namespace {

QLabel* SunkenLabel(int minWidth, int minHeight)
{
    auto* label = new QLabel;
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFixedSize(minWidth, minHeight);
    return label;
}

QLineEdit* ReadOnlyEdit(int width)
{
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    edit->setFixedWidth(width);
    return edit;
}

} // namespace

DownloadDialog::DownloadDialog(const FwCommandLine& commandLine, QWidget* parent)
    : QDialog(parent), m_commandLine(commandLine), m_link(*this, commandLine.ProtocolOptions())
{
    setWindowTitle(Utf8("ISDN Telefon Download"));
    BuildControls();
    RefreshFields();
}

DownloadDialog::~DownloadDialog() = default;

// ---------------------------------------------------------------- layout

// Dialog units: a quarter of the average character width, an eighth of the line height.
int DownloadDialog::DuX(int units) const
{
    return units * fontMetrics().averageCharWidth() / 4;
}

int DownloadDialog::DuY(int units) const
{
    return units * fontMetrics().height() / 8;
}

void DownloadDialog::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    // The window keeps the size of what it shows; hiding the debug area shortens it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(BuildMenu());
    layout->addWidget(BuildFileGroup());
    layout->addWidget(BuildStartGroup());
    layout->addWidget(BuildAbortGroup());
    m_debugArea = BuildDebugArea();
    layout->addWidget(m_debugArea);
}

QGroupBox* DownloadDialog::BuildFileGroup()
{
    auto* group = new QGroupBox(Utf8("Dateikontrolle"));
    group->setMinimumWidth(DuX(200));
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(Utf8("Aktuelle Datei:")));
    m_currentFile = new QLabel(Text(IDS_FW_TEXT_UNKNOWN));
    m_currentFile->setObjectName("currentFile");
    m_currentFile->setFixedWidth(DuX(135));
    row->addWidget(m_currentFile, 1);
    return group;
}

QGroupBox* DownloadDialog::BuildStartGroup()
{
    auto* group = new QGroupBox;
    auto* row = new QHBoxLayout(group);
    m_start = new QPushButton(Text(IDS_FW_TEXT_START));
    m_start->setObjectName("start");
    m_start->setDefault(true);
    m_start->setEnabled(false);
    m_start->setFixedSize(DuX(75), DuY(14));
    connect(m_start, &QPushButton::clicked, this, [this] { OnStart(); });
    m_progress = new QProgressBar;
    m_progress->setObjectName("progress");
    m_progress->setTextVisible(false); // the percent field beside it says it
    m_progress->setFixedSize(DuX(70), DuY(14));
    m_progress->setRange(0, 1);
    m_percent = ReadOnlyEdit(DuX(25));
    m_percent->setObjectName("percent");
    // The "%" after the field is no name, and the bar has no text.
    m_progress->setAccessibleName(Utf8("Fortschritt"));
    m_percent->setAccessibleName(Utf8("Prozent"));
    row->addWidget(m_start);
    row->addWidget(m_progress);
    row->addWidget(m_percent);
    row->addWidget(new QLabel(Utf8("%")));
    row->addStretch();
    return group;
}

QGroupBox* DownloadDialog::BuildAbortGroup()
{
    auto* group = new QGroupBox(Utf8("Download"));
    auto* row = new QHBoxLayout(group);
    auto* abort = new QPushButton(Utf8("Übertragung unterbrechen"));
    abort->setObjectName("abort");
    abort->setFixedHeight(DuY(14));
    connect(abort, &QPushButton::clicked, this, [this] { OnAbort(); });
    row->addWidget(abort);
    return group;
}

QGroupBox* DownloadDialog::BuildDebugArea()
{
    auto* group = new QGroupBox(Utf8("Debug"));
    group->setObjectName("debugArea");
    auto* grid = new QGridLayout(group);
    m_received = SunkenLabel(DuX(159), DuY(35));
    m_timeouts = ReadOnlyEdit(DuX(20));
    m_naks = ReadOnlyEdit(DuX(20));
    m_sent = SunkenLabel(DuX(159), DuY(15));
    m_fileInfo = SunkenLabel(DuX(159), DuY(34));
    m_fileInfo->setObjectName("fileInfo");
    auto* counters = new QHBoxLayout;
    counters->addWidget(m_timeouts);
    counters->addWidget(new QLabel(Utf8("NAK:")));
    counters->addWidget(m_naks);
    counters->addStretch();
    grid->addWidget(new QLabel(Utf8("Erhalten:")), 0, 0, Qt::AlignTop);
    grid->addWidget(m_received, 0, 1);
    grid->addWidget(new QLabel(Utf8("Timeout:")), 1, 0);
    grid->addLayout(counters, 1, 1);
    grid->addWidget(new QLabel(Utf8("Gesandt:")), 2, 0, Qt::AlignTop);
    grid->addWidget(m_sent, 2, 1);
    grid->addWidget(new QLabel(Utf8("File:")), 3, 0, Qt::AlignTop);
    grid->addWidget(m_fileInfo, 3, 1);
    // The version lines are filled but stay hidden; "File:" shows the same.
    const char* versionLabels[] = {"Softwareversion der Datei:", "Softwareversion des Telefons:"};
    QLabel** versionFields[] = {&m_fileVersion, &m_phoneVersion};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(Utf8(versionLabels[i]));
        *versionFields[i] = new QLabel(Text(IDS_FW_TEXT_UNKNOWN));
        label->hide();
        (*versionFields[i])->hide();
        grid->addWidget(label, 4 + i, 0);
        grid->addWidget(*versionFields[i], 4 + i, 1);
    }
    m_fileVersion->setObjectName("fileVersion");
    m_phoneVersion->setObjectName("phoneVersion");
    return group;
}

// ---------------------------------------------------------------- start-up

void DownloadDialog::OnInitDialog()
{
    Trace("OnInitDialog()");
    setWindowIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
    m_port = InitialPort();
    const int active = InitialDownloadFlag();
    m_hardwareFlag = m_settings.GetInt("Hardware", "Q38 ", 0) != 0;
    InitPort();
    if (active == 1)
        AskRestart();
    PlaceWindow();
    if (!m_commandLine.commandFile.empty())
        LoadSoftware();
}

// "/COM:" does not change the profile; a first start writes the default.
int DownloadDialog::InitialPort()
{
    if (m_commandLine.commandPort != 0)
        return m_commandLine.commandPort;
    const int port = m_settings.GetInt("Port", "COM ", 0);
    if (port != 0)
        return port;
    m_settings.WriteInt("Port", "COM ", 2);
    return 2;
}

int DownloadDialog::InitialDownloadFlag()
{
    const int active = m_settings.GetInt("Download", "Active ", -1);
    if (active == -1)
        m_settings.WriteInt("Download", "Active ", 0);
    return active;
}

void DownloadDialog::AskRestart()
{
    const auto answer = Ask(QMessageBox::Question, Text(IDS_FW_CAPTION_INCOMPLETE), Text(IDS_FW_TEXT_INCOMPLETE),
                            QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        QTimer::singleShot(0, this, [this] { SafeRecoveryLoad(); });
    else
        m_settings.WriteInt("Download", "Active ", 0);
}

// The debug area and the full height are only for service.
void DownloadDialog::PlaceWindow()
{
    if (m_commandLine.debug)
        return;
    m_debugArea->hide();
    if (m_commandLine.HasPosition())
        move(m_commandLine.windowX, m_commandLine.windowY);
}

// ---------------------------------------------------------------- firmware file

bool DownloadDialog::LoadSoftware()
{
    Trace("LoadSoftware()");
    const QString path = ChooseHexFile();
    if (path.isEmpty())
        return false;
    ResetValuesAndDialog();
    m_currentFile->setText(path);
    return LoadFile(PathBytes(path), true);
}

// The file of the command line is loaded once, at start-up; later "Öffnen..."
// asks. Either is remembered, so that a restart reloads the same firmware.
QString DownloadDialog::ChooseHexFile()
{
    QString chosen = PathText(std::exchange(m_commandLine.commandFile, {}));
    if (chosen.isEmpty()) {
        const QString last = PathText(m_settings.GetText("File", "LastPath"));
        chosen = AskHexFile(last.isEmpty() ? QString() : QFileInfo(last).path());
    }
    if (!chosen.isEmpty())
        m_settings.RememberHexFile(PathBytes(chosen));
    return chosen;
}

bool DownloadDialog::LoadFile(const std::string& path, bool messageWithoutVersionFile)
{
    const FirmwareLoadResult result = m_link.Load(path);
    if (result.ok) {
        ShowLoaded();
        return true;
    }
    if (messageWithoutVersionFile || result.textId != IDS_FW_TEXT_VERSION_FILE) {
        QString text = Text(result.textId);
        if (!result.detail.empty())
            text += "\n\n" + Utf8(result.detail.c_str());
        Ask(QMessageBox::Critical, Text(result.captionId), text, QMessageBox::Ok);
    }
    ResetValuesAndDialog();
    return false;
}

void DownloadDialog::ShowLoaded()
{
    const FirmwareIdentity& identity = m_link.Identity();
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_fileVersion->setText(Bytes(identity.fileVersionText));
    m_fileInfo->setText(Bytes(identity.fileHardware + " " + identity.fileVersionText));
    m_start->setEnabled(true);
}

// ---------------------------------------------------------------- boxes and closing

QMessageBox::StandardButton DownloadDialog::Ask(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, this);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString DownloadDialog::AskHexFile(const QString& folder)
{
    return QFileDialog::getOpenFileName(this, QString(), folder, Utf8("Intel-Hex (*.hex)"));
}

void DownloadDialog::reject()
{
    if (m_closeRequested)
        QDialog::reject();
}

void DownloadDialog::closeEvent(QCloseEvent* event)
{
    m_closeRequested = true;
    QDialog::closeEvent(event);
}
