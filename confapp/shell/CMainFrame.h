// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menus, tool bar and status bar around the one view. It
// owns the view and the file commands, keeps the window rectangle, the bar
// state and the recent-file list in the profile, and opens dropped files.
#include "RecentFileList.h"

#include <QMainWindow>

#include <memory>

class App;
class CDocCommands;
class CQ410CfView;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(App& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CQ410CfView& View() const { return *m_view; }
    CDocCommands& Docs() const { return *m_docs; }
    RecentFileList& RecentFiles() { return m_recent; }
    QMenu* PhoneBookMenu() const { return m_phoneBookMenu; }

    // Title, recent files and the phone-book menu after a new or opened document.
    void OnDocumentChanged();
    // What closing the window stores: rectangle into the application, bar
    // state and recent files into the profile.
    void SaveWindowState();

protected:
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // MainFrameMenus.cpp
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    QAction* Command(const QString& text, const QString& prompt, void (CMainFrame::*handler)());

    void CreateTelephoneMenu();
    // The title's mark of unsaved changes, from the data as the pages last stored it.
    void UpdateModifiedMark();
    void PlaceWindow();
    void WidenForEveryTab();
    // The next (+1) or previous (-1) page, round the end.
    void TurnPage(int step);
    void RestoreBarState();
    void UpdateRecentFileMenu();
    void OnSendMail();
    void OnHelp();
    void OnAbout();
    void OnRxCfg();
    void OnTxCfg();
    void OnRxDialName();
    void OnTxDialName();
    void OnPhoneBookImportCmd();
    void OnPhoneBookExportCmd();
    void OnPhoneBookTestDataCmd();
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileCompare();
    void OnFileBackups();
    void OnFilePrint();
    void OnFilePrintPreview();

    App& m_app;
    RecentFileList m_recent;
    CQ410CfView* m_view = nullptr;
    std::unique_ptr<CDocCommands> m_docs;

    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_rxCfgAction = nullptr;
    QAction* m_txCfgAction = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_previewAction = nullptr;
    QList<QAction*> m_phoneBookTransfers; // in the "Telefon" menu
    QMenu* m_fileMenu = nullptr;
    QAction* m_exitSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QMenu* m_phoneBookMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
};
