// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include "ProgramVersion.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

AboutBox::AboutBox(const QIcon& icon, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8("Info über ISDN Telefon Download"));
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    auto* picture = new QLabel;
    picture->setPixmap(icon.pixmap(32, 32));
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QString::fromUtf8("ISDN Telefon Download")), 0, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("Version 1.00")), 1, 1);
    grid->addWidget(new QLabel(QString::fromUtf8(kLicenceLine)), 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
}
