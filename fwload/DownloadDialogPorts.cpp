// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog's menus and the choice of its port and device.
#include "DownloadDialog.h"

#include "AboutBox.h"
#include "DialogText.h"
#include "PortErrorText.h"
#include "SerialDevices.h"

#include <QInputDialog>
#include <QMenuBar>

using namespace dialogtext;

QMenuBar* DownloadDialog::BuildMenu()
{
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(Utf8("&Datei"));
    connect(file->addAction(Utf8("&Öffnen...")), &QAction::triggered, this, [this] { LoadSoftware(); });
    file->addSeparator();
    QAction* quit = file->addAction(Utf8("&Beenden"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    // The production lines have ten stations; the menu title is the one they know.
    const int ports = m_commandLine.production ? 10 : 4;
    QMenu* portMenu = bar->addMenu(Utf8(m_commandLine.production ? "&Prot" : "&Port"));
    portMenu->setObjectName("portMenu");
    for (int n = 1; n <= ports; ++n) {
        QAction* command = portMenu->addAction(QString());
        command->setCheckable(true);
        connect(command, &QAction::triggered, this, [this, n] { OnPortCom(n); });
        m_portCommands.push_back(command);
    }
    portMenu->addSeparator();
    m_deviceCommand = portMenu->addAction(QString());
    m_deviceCommand->setObjectName("deviceCommand");
    connect(m_deviceCommand, &QAction::triggered, this, [this] { OnChooseDevice(); });
    QMenu* help = bar->addMenu(Utf8("&?"));
    connect(help->addAction(Utf8("&Info zum Programm...")), &QAction::triggered, this,
            [this] { AboutBox(windowIcon(), this).exec(); });
    return bar;
}

// ---------------------------------------------------------------- port

void DownloadDialog::OnPortCom(int n)
{
    Trace(("OnPortCom" + std::to_string(n) + "()").c_str());
    m_port = n;
    InitPort();
    m_settings.WriteInt("Port", "COM ", n);
}

void DownloadDialog::OnChooseDevice()
{
    Trace("OnChooseDevice()");
    QStringList devices;
    for (const std::string& device : PresentSerialDevices())
        devices << PathText(device);
    const QString chosen = AskDevice(devices, PathText(m_settings.DeviceForPort(m_port)));
    if (chosen.isEmpty())
        return;
    std::string error;
    if (!m_settings.SetDeviceForPort(m_port, PathBytes(chosen), &error))
        Ask(QMessageBox::Critical, windowTitle(), Utf8(error.c_str()), QMessageBox::Ok);
    InitPort();
}

void DownloadDialog::InitPort()
{
    Trace("InitPort()-Funktion");
    QString title = windowTitle();
    if (const qsizetype com = title.indexOf(QLatin1String("COM")); com >= 0)
        title.truncate(com);
    while (title.endsWith(QLatin1Char(' ')))
        title.chop(1);
    setWindowTitle(title + " COM " + QString::number(m_port));
    m_link.SetPort(m_port, m_settings.DeviceForPort(m_port));
    UpdatePortMenu();
}

// Each command names the device behind it: on this system "COM 3" means
// nothing until it is bound to a device.
void DownloadDialog::UpdatePortMenu()
{
    for (std::size_t i = 0; i < m_portCommands.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const QString device = PathText(m_settings.DeviceForPort(n));
        m_portCommands[i]->setText(QString("Com &%1  (%2)").arg(n).arg(device));
        m_portCommands[i]->setChecked(n == m_port);
    }
    m_deviceCommand->setText(Utf8("&Gerät für COM %1 wählen...").arg(m_port));
}

void DownloadDialog::SetPortCommandsEnabled(bool enabled)
{
    for (QAction* command : m_portCommands)
        command->setEnabled(enabled);
    m_deviceCommand->setEnabled(enabled);
}

bool DownloadDialog::OpenPort()
{
    Trace("OpenPort()-Funktion");
    if (m_link.OpenPort())
        return true;
    const std::string menu = m_commandLine.production ? "Prot" : "Port";
    const std::string howToName = "bitte im Menü \"" + menu + "\" mit \"Gerät für COM " + std::to_string(m_port) +
                                  " wählen...\" eines wählen.";
    const QString reason = Utf8(PortOpenFailureReason(m_link.Port(), howToName).c_str());
    Ask(QMessageBox::Critical, Text(IDS_FW_CAPTION_BAD_PORT), Text(IDS_FW_TEXT_BAD_PORT) + "\n\n" + reason,
        QMessageBox::Ok);
    return false;
}

void DownloadDialog::ClosePort()
{
    Trace("ClosePort()-Funktion");
    m_link.ClosePort();
}

QString DownloadDialog::AskDevice(const QStringList& devices, const QString& current)
{
    QStringList choices = devices;
    if (!choices.contains(current))
        choices.prepend(current);
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(this, windowTitle(), Utf8("Gerät für COM %1:").arg(m_port), choices,
                              static_cast<int>(choices.indexOf(current)), true, &ok);
    return ok ? chosen.trimmed() : QString();
}
