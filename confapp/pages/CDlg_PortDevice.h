// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chooses the device behind one COM port: one of the serial devices present,
// or a path the user types (an adapter that is not plugged in yet).
#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QComboBox;
class QLabel;

class CDlg_PortDevice : public QDialog {
    Q_OBJECT
public:
    CDlg_PortDevice(int port, const QString& current, const std::vector<std::string>& present,
                    QWidget* parent = nullptr);

    // The chosen path, without surrounding blanks.
    QString Device() const;
    QComboBox* DeviceBox() const { return m_device; }
    // Says that no serial device was found, or is empty.
    QString NoteText() const;

    void accept() override;

private:
    QComboBox* m_device;
    QLabel* m_note;
};
