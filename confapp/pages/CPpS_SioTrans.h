// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Datenaustausch": starts the four transfers and chooses the COM port
// they use, and the device behind each port.
#include "CPropertyPage.h"

class App;

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

class CPpS_SioTrans : public CPropertyPage {
public:
    static constexpr int kPorts = 4;

    // app: its document, port choice, profile and transfer commands.
    explicit CPpS_SioTrans(App& app, QWidget* parent = nullptr);
    void LoadFromData() override;
    bool StoreToData() override;

    // Writes "Ports"/"COMn" into the user's profile, keeping everything else
    // in it; false after telling the user why not.
    bool AssignDevice(int port, const QString& device);

    QPushButton* RxCfgButton() const { return m_rxCfg; }
    QPushButton* TxCfgButton() const { return m_txCfg; }
    QPushButton* RxDialNameButton() const { return m_rxDialName; }
    QPushButton* TxDialNameButton() const { return m_txDialName; }
    QPushButton* ChooseDeviceButton() const { return m_chooseDevice; }
    QRadioButton* PortButton(int port) const;
    QLabel* DeviceLabel(int port) const;

private:
    void BuildButtons();
    void BuildPorts();
    void ApplySwitches();
    void ShowDevices();
    void OnChooseDevice();
    // 1..4, 0 when no port button is checked.
    int CheckedPort() const;

    QPushButton* m_rxCfg = nullptr;
    QPushButton* m_txCfg = nullptr;
    QPushButton* m_rxDialName = nullptr;
    QPushButton* m_txDialName = nullptr;
    QPushButton* m_chooseDevice = nullptr;
    QButtonGroup* m_ports = nullptr;
    QLabel* m_devices[kPorts] = {};
    App& m_app;
};
