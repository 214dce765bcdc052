// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPpS_SioTrans.h"

#include "App.h"
#include "CDlg_PortDevice.h"
#include "CPicture.h"
#include "Derivat.h"
#include "FileCalls.h"
#include "MessageBoxes.h"
#include "ProfileFile.h"
#include "SerialDevices.h"
#include "UserPaths.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <string>

namespace {

constexpr int kPicture = 555;

QPushButton* AddButton(QVBoxLayout* layout, const char* text, App& app, void (App::*command)())
{
    auto* button = new QPushButton(QString::fromUtf8(text));
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, [&app, command] { (app.*command)(); });
    return button;
}

} // namespace

CPpS_SioTrans::CPpS_SioTrans(App& app, QWidget* parent)
    : CPropertyPage(app.doc, QStringLiteral("Datenaustausch"), 1500, parent), m_app(app)
{
    new QVBoxLayout(this);
    BuildButtons();
    BuildPorts();
    static_cast<QVBoxLayout*>(layout())->addStretch();
}

void CPpS_SioTrans::BuildButtons()
{
    auto* row = new QHBoxLayout;
    auto* buttons = new QVBoxLayout;
    // Each command stores this page first, so a port chosen just before the
    // press is the one the transfer uses.
    m_rxCfg = AddButton(buttons, "Konfiguration auslesen", m_app, &App::DoRxCfg);
    m_txCfg = AddButton(buttons, "Konfiguration schreiben", m_app, &App::DoTxCfg);
    m_rxDialName = AddButton(buttons, "Telefonbuch auslesen", m_app, &App::DoRxDialName);
    m_txDialName = AddButton(buttons, "Telefonbuch schreiben", m_app, &App::DoTxDialName);
    buttons->addStretch();
    row->addLayout(buttons);
    row->addWidget(new CPicture(kPicture), 0, Qt::AlignTop);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void CPpS_SioTrans::BuildPorts()
{
    auto* group = new QGroupBox(QStringLiteral("ComPort"));
    auto* grid = new QGridLayout(group);
    m_ports = new QButtonGroup(this);
    for (int port = 1; port <= kPorts; ++port) {
        auto* radio = new QRadioButton(QStringLiteral("COM%1").arg(port));
        m_ports->addButton(radio, port);
        m_devices[port - 1] = new QLabel;
        m_devices[port - 1]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(radio, port - 1, 0);
        grid->addWidget(m_devices[port - 1], port - 1, 1);
    }
    grid->setColumnStretch(1, 1);
    m_chooseDevice = new QPushButton(QStringLiteral("Gerät wählen..."));
    grid->addWidget(m_chooseDevice, kPorts, 0, 1, 2, Qt::AlignLeft);
    connect(m_chooseDevice, &QPushButton::clicked, this, &CPpS_SioTrans::OnChooseDevice);
    static_cast<QVBoxLayout*>(layout())->addWidget(group);
}

void CPpS_SioTrans::LoadFromData()
{
    ApplySwitches();
    // A port outside 1..4 checks nothing; the button group must let go of
    // its exclusivity for that.
    m_ports->setExclusive(false);
    for (QAbstractButton* button : m_ports->buttons())
        button->setChecked(m_ports->id(button) == m_app.comPort);
    m_ports->setExclusive(true);
    ShowDevices();
}

bool CPpS_SioTrans::StoreToData()
{
    m_app.comPort = CheckedPort();
    return true;
}

void CPpS_SioTrans::ApplySwitches()
{
    const CDerivat& derivat = Switches();
    m_rxCfg->setVisible(derivat.PropCfg);
    m_txCfg->setVisible(derivat.PropCfg);
    m_rxDialName->setVisible(derivat.PropDialName);
    m_txDialName->setVisible(derivat.PropDialName);
    m_rxCfg->setEnabled(derivat.props.PropRxAllowed != 0);
    m_rxDialName->setEnabled(derivat.props.PropRxAllowed != 0);
    m_txCfg->setEnabled(derivat.props.PropTxAllowed != 0);
    m_txDialName->setEnabled(derivat.props.PropTxAllowed != 0);
}

void CPpS_SioTrans::ShowDevices()
{
    const std::string profile = m_app.ProfilePath();
    for (int port = 1; port <= kPorts; ++port) {
        const QString device = QString::fromStdString(DeviceForPort(profile, port));
        m_devices[port - 1]->setText(device);
        // Heard without the device beside it, "COM2" would not say which cable it is.
        m_ports->button(port)->setAccessibleName(QStringLiteral("COM%1 %2").arg(port).arg(device));
    }
}

void CPpS_SioTrans::OnChooseDevice()
{
    const int port = CheckedPort();
    if (port == 0) {
        ShowMessage(this, QMessageBox::Information, Caption(),
                    QStringLiteral("Bitte zuerst den COM-Port wählen, dem ein Gerät zugeordnet werden soll."));
        return;
    }
    CDlg_PortDevice chooser(port, DeviceLabel(port)->text(), PresentSerialDevices(), this);
    if (chooser.exec() == QDialog::Accepted)
        AssignDevice(port, chooser.Device());
}

bool CPpS_SioTrans::AssignDevice(int port, const QString& device)
{
    const std::string path = m_app.ProfilePath();
    CProfileFile profile;
    std::string error;
    // A profile that exists but cannot be read must not be replaced by one
    // that holds only this key.
    bool ok = profile.Load(path, error) != CProfileFile::LoadStatus::Failed;
    if (ok) {
        profile.WriteString("Ports", "COM" + std::to_string(port), device.toStdString());
        const std::string folder = FolderOfFile(path);
        if (!folder.empty() && !MakeFolders(folder)) {
            error = folder + ": " + std::strerror(errno);
            ok = false;
        }
    }
    ok = ok && profile.Save(path, error);
    if (!ok) {
        ShowMessage(this, QMessageBox::Warning, Caption(),
                    QStringLiteral("Das Gerät konnte nicht eingetragen werden (%1). Bitte die Rechte der "
                                   "Datei prüfen und es erneut versuchen.")
                        .arg(QString::fromStdString(error)));
        return false;
    }
    ShowDevices();
    return true;
}

int CPpS_SioTrans::CheckedPort() const
{
    const int id = m_ports->checkedId();
    return id >= 1 && id <= kPorts ? id : 0;
}

QRadioButton* CPpS_SioTrans::PortButton(int port) const
{
    return static_cast<QRadioButton*>(m_ports->button(port));
}

QLabel* CPpS_SioTrans::DeviceLabel(int port) const
{
    return port >= 1 && port <= kPorts ? m_devices[port - 1] : nullptr;
}
