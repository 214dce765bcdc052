// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAboutDlg.h"

#include "AppIcons.h"
#include "ProgramVersion.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8("Info über Systemtelefon MV850"));
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(16);
    auto* picture = new QLabel;
    picture->setPixmap(AppIcons::Program().pixmap(32, 32));
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QString::fromUtf8("Konfigurationsprogramm")), 0, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("Systemtelefon MV850, Version 1.00")), 1, 1);
    grid->addWidget(new QLabel(QString::fromUtf8(kLicenceLine)), 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
}
