// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlg_PortDevice.h"
#include "Mnemonics.h"

#include "MessageBoxes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CDlg_PortDevice::CDlg_PortDevice(int port, const QString& current, const std::vector<std::string>& present,
                                 QWidget* parent)
    : QDialog(parent), m_device(new QComboBox), m_note(new QLabel)
{
    setWindowTitle(QStringLiteral("Gerät wählen"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("Gerät für COM%1:").arg(port));
    prompt->setBuddy(m_device);
    layout->addWidget(prompt);

    // Editable: a device that is not present now may well be there later.
    m_device->setEditable(true);
    m_device->setInsertPolicy(QComboBox::NoInsert);
    m_device->setMinimumContentsLength(32);
    for (const std::string& device : present)
        m_device->addItem(QString::fromStdString(device));
    m_device->setCurrentText(current);
    layout->addWidget(m_device);

    m_note->setWordWrap(true);
    if (present.empty())
        m_note->setText(QStringLiteral("Es ist kein serielles Gerät vorhanden. Bitte das Kabel oder den "
                                       "Adapter anschließen und das Fenster neu öffnen, oder den Pfad des "
                                       "Geräts eingeben."));
    m_note->setVisible(present.empty());
    layout->addWidget(m_note);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"));
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &CDlg_PortDevice::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlg_PortDevice::reject);
    AssignMnemonics(this);
}

QString CDlg_PortDevice::Device() const
{
    return m_device->currentText().trimmed();
}

QString CDlg_PortDevice::NoteText() const
{
    return m_note->text();
}

void CDlg_PortDevice::accept()
{
    // Only absolute paths: a bare name would be looked up in whatever
    // folder the program happens to run in. A line break would split the
    // profile line it is stored in.
    const QString device = Device();
    const bool control = std::any_of(device.begin(), device.end(), [](QChar c) { return c.unicode() < 0x20; });
    if (!device.startsWith(QLatin1Char('/')) || control) {
        ShowMessage(this, QMessageBox::Warning, windowTitle(),
                    QStringLiteral("Bitte ein Gerät aus der Liste wählen oder seinen vollständigen Pfad "
                                   "eingeben, zum Beispiel /dev/ttyUSB0."));
        m_device->setFocus();
        return;
    }
    QDialog::accept();
}
