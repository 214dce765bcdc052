// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: menus, tool bar, status bar and keys.
#include "AppIcons.h"
#include "CMainFrame.h"
#include "CPropertySheetView.h"
#include "CQ410CfView.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

namespace {

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

QAction* CMainFrame::Command(const QString& text, const QString& prompt, void (CMainFrame::*handler)())
{
    auto* action = new QAction(text, this);
    action->setStatusTip(prompt);
    action->setToolTip(prompt);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void CMainFrame::CreateActions()
{
    m_newAction = Command(Text("&Neu"), Text("Neue Konfiguration anlegen"), &CMainFrame::OnFileNew);
    m_newAction->setIcon(AppIcons::FileNew());
    m_newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_openAction = Command(Text("Ö&ffnen..."), Text("Gespeicherte Konfiguration öffnen"), &CMainFrame::OnFileOpen);
    m_openAction->setIcon(AppIcons::FileOpen());
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAction = Command(Text("S&peichern"), Text("Konfiguration speichern"), &CMainFrame::OnFileSave);
    m_saveAction->setIcon(AppIcons::FileSave());
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_rxCfgAction = Command(Text("Konfiguration auslesen"), Text("Konfiguration Auslesen"), &CMainFrame::OnRxCfg);
    m_rxCfgAction->setIcon(AppIcons::ReadConfiguration());
    m_txCfgAction = Command(Text("Konfiguration senden"), Text("Konfiguration Senden"), &CMainFrame::OnTxCfg);
    m_txCfgAction->setIcon(AppIcons::SendConfiguration());
    m_helpAction = Command(Text("&Hilfethemen"), Text("Inhalt Hilfe"), &CMainFrame::OnHelp);
    m_helpAction->setIcon(AppIcons::Help());
    m_helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    // Printing draws the phone book: offered only where the build has one.
    m_printAction = Command(Text("&Drucken..."), Text("Telefonbuch drucken"), &CMainFrame::OnFilePrint);
    m_printAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_previewAction = Command(Text("Seiten&ansicht"), Text("Druckbild des Telefonbuchs anzeigen"),
                              &CMainFrame::OnFilePrintPreview);
}

void CMainFrame::CreateMenus()
{
    m_fileMenu = menuBar()->addMenu(Text("&Datei"));
    m_fileMenu->addAction(m_newAction);
    m_fileMenu->addAction(m_openAction);
    m_fileMenu->addAction(m_saveAction);
    m_fileMenu->addAction(Command(Text("Speichern &unter..."), Text("Konfiguration unter neuem Namen speichern"),
                                  &CMainFrame::OnFileSaveAs));
    m_fileMenu->addAction(Command(Text("Vergleichen &mit..."),
                                  Text("Unterschiede zu einer gespeicherten Konfiguration anzeigen"),
                                  &CMainFrame::OnFileCompare));
    m_fileMenu->addAction(Command(Text("&Sicherungen..."),
                                  Text("Kopien des Gelesenen und Gesendeten anzeigen, vergleichen und öffnen"),
                                  &CMainFrame::OnFileBackups));
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_printAction);
    m_fileMenu->addAction(m_previewAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(Command(Text("Na&chricht senden..."), Text("Konfiguration als E-Mail-Anhang versenden"),
                                  &CMainFrame::OnSendMail));
    m_fileMenu->addSeparator();
    m_exitSeparator = m_fileMenu->addSeparator();
    QAction* exitAction = m_fileMenu->addAction(Text("&Beenden"), this, &QWidget::close);
    exitAction->setStatusTip(Text("Programm beenden; fragt, ob Änderungen gespeichert werden sollen"));

    QMenu* viewMenu = menuBar()->addMenu(Text("&Ansicht"));
    m_toolBar = new QToolBar(Text("Symbolleiste"), this);
    m_toolBar->setObjectName(QStringLiteral("MainToolBar"));
    QAction* toolBarAction = m_toolBar->toggleViewAction();
    toolBarAction->setText(Text("&Symbolleiste"));
    toolBarAction->setStatusTip(Text("Symbolleiste ein- oder ausblenden"));
    viewMenu->addAction(toolBarAction);
    QAction* statusBarAction = viewMenu->addAction(Text("S&tatusleiste"));
    statusBarAction->setCheckable(true);
    statusBarAction->setStatusTip(Text("Statusleiste ein- oder ausblenden"));
    connect(statusBarAction, &QAction::toggled, statusBar(), &QWidget::setVisible);
    connect(viewMenu, &QMenu::aboutToShow, this, [this, statusBarAction] {
        statusBarAction->setChecked(statusBar()->isVisible());
    });

    CreateTelephoneMenu();
    m_phoneBookMenu = menuBar()->addMenu(Text("&Telefonbuch"));
    m_phoneBookMenu->addAction(Command(Text("Telefonbuch &auslesen"), Text("Telefonbuch Auslesen"),
                                       &CMainFrame::OnRxDialName));
    m_phoneBookMenu->addAction(Command(Text("Telefonbuch &senden"), Text("Telefonbuch Senden"),
                                       &CMainFrame::OnTxDialName));
    m_phoneBookMenu->addSeparator();
    m_phoneBookMenu->addAction(Command(Text("&Import..."), Text("Telefonbuch Import"),
                                       &CMainFrame::OnPhoneBookImportCmd));
    m_phoneBookMenu->addAction(Command(Text("&Export..."), Text("Telefonbuch Export"),
                                       &CMainFrame::OnPhoneBookExportCmd));
    m_phoneBookMenu->addSeparator();
    m_phoneBookMenu->addAction(Command(Text("Test&daten"), Text("Telefonbuch Testdaten"),
                                       &CMainFrame::OnPhoneBookTestDataCmd));

    QMenu* helpMenu = menuBar()->addMenu(Text("&?"));
    helpMenu->addAction(m_helpAction);
    helpMenu->addAction(Command(Text("Inf&o über Systemtelefon MV850..."),
                                Text("Programminformation, Versionsnummer"), &CMainFrame::OnAbout));
}

// The four transfers without a change of page; the phone book's only where
// the build has one.
void CMainFrame::CreateTelephoneMenu()
{
    QMenu* menu = menuBar()->addMenu(Text("Tele&fon"));
    const struct {
        const char* text;
        const char* prompt;
        void (CMainFrame::*handler)();
        QKeySequence key;
        bool phoneBook;
    } transfers[] = {
        {"Konfiguration &auslesen", "Konfiguration Auslesen", &CMainFrame::OnRxCfg, Qt::CTRL | Qt::Key_R, false},
        {"Konfiguration &senden", "Konfiguration Senden", &CMainFrame::OnTxCfg, Qt::CTRL | Qt::Key_T, false},
        {"Telefonbuch a&uslesen", "Telefonbuch Auslesen", &CMainFrame::OnRxDialName,
         Qt::CTRL | Qt::SHIFT | Qt::Key_R, true},
        {"Telefonbuch s&enden", "Telefonbuch Senden", &CMainFrame::OnTxDialName, Qt::CTRL | Qt::SHIFT | Qt::Key_T,
         true},
    };
    for (const auto& t : transfers) {
        QAction* action = Command(Text(t.text), Text(t.prompt), t.handler);
        action->setShortcut(t.key);
        menu->addAction(action);
        if (t.phoneBook)
            m_phoneBookTransfers << action;
    }
}

void CMainFrame::CreateToolBar()
{
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->addAction(m_newAction);
    m_toolBar->addAction(m_openAction);
    m_toolBar->addAction(m_saveAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_rxCfgAction);
    m_toolBar->addAction(m_txCfgAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_helpAction);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar()
{
    // No lock indicators: the lock states cannot be read portably, and
    // indicators that never change would only cut long messages short.
    QStatusBar* bar = statusBar();
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(Text("Bereit"));
    });
    bar->showMessage(Text("Bereit"));
}

void CMainFrame::CreateAccelerators()
{
    auto addKey = [this](const QList<QKeySequence>& keys, auto handler) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    // The edit keys of the older convention; the editors handle the others.
    addKey({QKeySequence(Qt::ALT | Qt::Key_Backspace)}, [] {
        if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            edit->undo();
    });
    addKey({QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)}, [this] { m_view->setFocus(); });
    // The page keys work from every control, also from one that would keep
    // the key for itself (a combo box does).
    addKey({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
           [this] { TurnPage(+1); });
    addKey({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
           [this] { TurnPage(-1); });
    addKey({QKeySequence(Qt::SHIFT | Qt::Key_F1)}, [] { QWhatsThis::enterWhatsThisMode(); });
}

void CMainFrame::TurnPage(int step)
{
    QTabWidget* sheet = m_view->Sheet();
    if (sheet && sheet->count() > 0)
        sheet->setCurrentIndex((sheet->currentIndex() + step + sheet->count()) % sheet->count());
}
