// SPDX-License-Identifier: GPL-3.0-or-later
#include "CHelpWindow.h"

#include "AppIcons.h"

#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help page is compiled into a static library; the linker keeps it only
// when something refers to it. (Outside any namespace, as the macro requires.)
static void LoadHelpResource()
{
    static bool loaded = false;
    if (!loaded) {
        Q_INIT_RESOURCE(mvconf_help);
        loaded = true;
    }
}

namespace {

const char* const kHelpPage = "qrc:/help/mvconf.html";

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    LoadHelpResource();
    setWindowTitle(QString::fromUtf8("Hilfe - Systemtelefon MV850"));
    setWindowIcon(AppIcons::Program());
    auto* layout = new QVBoxLayout(this);
    m_browser = new QTextBrowser;
    m_browser->setOpenExternalLinks(false);
    m_browser->setAccessibleName(QString::fromUtf8("Hilfetext")); // the window's only content has no label
    layout->addWidget(m_browser);
    auto* close = new QPushButton(QString::fromUtf8("Schließen"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(560, 480);
}

void CHelpWindow::GoToTopic(int topic)
{
    QUrl url(QString::fromLatin1(kHelpPage));
    url.setFragment(QString::number(topic));
    m_browser->setSource(url);
    m_browser->scrollToAnchor(QString::number(topic));
}

CHelpWindow* CHelpWindow::ShowTopic(int topic, QWidget* parent)
{
    static QPointer<CHelpWindow> window;
    if (!window) {
        window = new CHelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->GoToTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
