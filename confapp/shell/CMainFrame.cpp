// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMainFrame.h"

#include "App.h"
#include "AppIcons.h"
#include "CAboutDlg.h"
#include "CDlg_Backups.h"
#include "CDocCommands.h"
#include "CHelpWindow.h"
#include "CompareCommand.h"
#include "CPropertyPage.h"
#include "CPropertySheetView.h"
#include "CQ410CfView.h"
#include "MessageBoxes.h"
#include "PhoneBookCommands.h"
#include "ProfileStore.h"
#include "Trace.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>

#include <algorithm>

namespace {

const char* const kProgramTitle = "Systemtelefon MV850";
const char* const kBarSection = "BarState";
constexpr int kHelpTopicOverview = 1000;

bool OnSomeScreen(const QRect& rectangle)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->geometry().intersects(rectangle); });
}

QString FirstLocalFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

CMainFrame::CMainFrame(App& app, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    setWindowIcon(AppIcons::Program());
    m_view = new CQ410CfView(app);
    m_view->onPageChanged = [this] { UpdateModifiedMark(); };
    setCentralWidget(m_view);
    m_recent.Load(app.ProfilePath());
    m_docs = std::make_unique<CDocCommands>(this, *m_view, m_recent, app.doc);
    m_docs->onDocumentChanged = [this] { OnDocumentChanged(); };
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAccelerators();
    app.mainFrame = this;
    app.view = m_view;
    PlaceWindow();
    RestoreBarState();
    setAcceptDrops(true);
    OnDocumentChanged();
}

CMainFrame::~CMainFrame()
{
    if (m_app.mainFrame == this) {
        m_app.mainFrame = nullptr;
        m_app.view = nullptr;
    }
}

void CMainFrame::PlaceWindow()
{
    const App& app = m_app;
    const int width = std::max(app.dx, app.doc.Identity().minWidth);
    const int height = std::max(app.dy, app.doc.Identity().minHeight);
    QPoint topLeft(app.x, app.y);
    // A rectangle left over from a larger or detached screen would open the
    // window where nobody can see it.
    if (!OnSomeScreen(QRect(topLeft, QSize(width, height))))
        topLeft = QPoint(20, 20);
    resize(width, height);
    move(topLeft);
}

void CMainFrame::RestoreBarState()
{
    const CProfileFile profile = ProfileStore::Read(m_app.ProfilePath());
    const std::string state = profile.GetFullString(kBarSection, "MainWindow");
    if (!state.empty())
        restoreState(QByteArray::fromHex(QByteArray::fromStdString(state)));
    statusBar()->setVisible(ProfileStore::GetInt(profile, kBarSection, "StatusBar", 1) != 0);
}

void CMainFrame::SaveWindowState()
{
    App& app = m_app;
    app.x = pos().x();
    app.y = pos().y();
    app.dx = width();
    app.dy = height();
    const std::string state = saveState().toHex().toStdString();
    const bool statusBarShown = statusBar()->isVisible();
    ProfileStore::Update(app.ProfilePath(), [&](CProfileFile& profile) {
        profile.WriteString(kBarSection, "MainWindow", state);
        ProfileStore::SetInt(profile, kBarSection, "StatusBar", statusBarShown ? 1 : 0);
    });
    m_recent.Save(app.ProfilePath());
}

void CMainFrame::OnDocumentChanged()
{
    setWindowTitle(m_docs->Title() + QStringLiteral("[*] - ") + QString::fromUtf8(kProgramTitle));
    const bool phoneBook = m_app.doc.Identity().PropDialName;
    m_phoneBookMenu->menuAction()->setVisible(phoneBook);
    for (QAction* action : {m_printAction, m_previewAction})
        action->setVisible(phoneBook);
    for (QAction* action : m_phoneBookTransfers)
        action->setVisible(phoneBook);
    UpdateRecentFileMenu();
    UpdateModifiedMark();
    WidenForEveryTab();
}

// The minimum size hides the later pages behind scroll arrows; the window
// grows (never shrinks) to show every tab, as far as the screen allows.
void CMainFrame::WidenForEveryTab()
{
    const CPropertySheetView* sheet = m_view->Sheet();
    if (!sheet)
        return;
    const int margins = 2 * sheet->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
    const int needed = sheet->tabBar()->sizeHint().width() + margins;
    const QScreen* where = screen();
    const int room = where ? where->availableGeometry().width() : needed;
    if (width() < needed)
        resize(std::min(needed, room), height());
}

void CMainFrame::UpdateModifiedMark()
{
    setWindowModified(m_app.data != m_app.saved);
}

void CMainFrame::UpdateRecentFileMenu()
{
    qDeleteAll(m_recentActions); // a deleted action leaves its menu
    m_recentActions.clear();
    const QStringList& files = m_recent.Files();
    if (files.isEmpty()) {
        auto* placeholder = new QAction(QString::fromUtf8("Letzte Datei"), m_fileMenu);
        placeholder->setEnabled(false);
        m_recentActions.append(placeholder);
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files.at(i);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(file), m_fileMenu);
        action->setStatusTip(QString::fromUtf8("Öffnet die Datei %1").arg(file));
        connect(action, &QAction::triggered, this, [this, file] { m_docs->OpenDocumentFile(file); });
        m_recentActions.append(action);
    }
    m_fileMenu->insertActions(m_exitSeparator, m_recentActions);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_docs->SaveModified()) {
        event->ignore();
        return;
    }
    SaveWindowState();
    event->accept();
}

void CMainFrame::focusInEvent(QFocusEvent* event)
{
    QMainWindow::focusInEvent(event);
    if (m_view)
        m_view->setFocus();
    else
        TraceLine("MainFrm", "OnSetFocus() GetActiveView()==NULL");
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!FirstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString file = FirstLocalFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    m_docs->OpenDocumentFile(file);
}

void CMainFrame::OnSendMail()
{
    // The mail carries the file as it is on disk, so unsaved or never saved
    // data is saved first.
    CQ410CfDoc& doc = m_docs->Doc();
    const App& app = m_app;
    m_view->MoveDataViewToDoc();
    if ((doc.PathName().empty() || app.data != app.saved) && !m_docs->FileSave())
        return;
    const QString mailer = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (mailer.isEmpty() || !QProcess::startDetached(mailer, {QStringLiteral("--attach"), m_docs->PathName()})) {
        ShowMessage(this, QMessageBox::Information, QString::fromUtf8(kProgramTitle),
                    QString::fromUtf8("Es wurde kein E-Mail-Programm gefunden (xdg-email).\n"
                                      "Bitte hängen Sie die Datei\n%1\nselbst an eine Nachricht an.")
                        .arg(m_docs->PathName()));
    }
}

void CMainFrame::OnHelp()
{
    // The help of the page shown; its section carries the page's number.
    const CPropertySheetView* sheet = m_view->Sheet();
    const CPropertyPage* page = sheet ? sheet->ActivePage() : nullptr;
    CHelpWindow::ShowTopic(page ? page->DialogId() : kHelpTopicOverview, this);
}

void CMainFrame::OnAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnRxCfg() { m_app.DoRxCfg(); UpdateModifiedMark(); }
void CMainFrame::OnTxCfg() { m_app.DoTxCfg(); UpdateModifiedMark(); }
void CMainFrame::OnRxDialName() { m_app.DoRxDialName(); UpdateModifiedMark(); }
void CMainFrame::OnTxDialName() { m_app.DoTxDialName(); UpdateModifiedMark(); }
void CMainFrame::OnPhoneBookImportCmd() { OnPhoneBookImport(this, m_app); UpdateModifiedMark(); }
void CMainFrame::OnPhoneBookExportCmd() { OnPhoneBookExport(this, m_app); }
void CMainFrame::OnPhoneBookTestDataCmd() { OnPhoneBookTestData(this, m_app); UpdateModifiedMark(); }
void CMainFrame::OnFileNew() { m_docs->FileNew(); }
void CMainFrame::OnFileOpen() { m_docs->FileOpen(); }
void CMainFrame::OnFileSave() { m_docs->FileSave(); }
void CMainFrame::OnFileSaveAs() { m_docs->FileSaveAs(); }
void CMainFrame::OnFileCompare() { ::OnFileCompare(this, *m_view, m_app.doc, m_docs->PathName()); }
// The comparison is with the document as shown, so the page's edits are
// stored first; a page whose checks fail has said why.
void CMainFrame::OnFileBackups()
{
    if (!m_view->TryMoveDataViewToDoc())
        return;
    CDlg_Backups dialog(m_app.BackupFolder(), this);
    dialog.compare = [this, &dialog](const BackupCopy& copy) {
        CompareWithFile(&dialog, m_app.doc, QFile::decodeName(QByteArray::fromStdString(copy.path)));
    };
    dialog.open = [this](const BackupCopy& copy) {
        if (!m_docs->OpenAsUntitled(QFile::decodeName(QByteArray::fromStdString(copy.path))))
            return false;
        statusBar()->showMessage(QString::fromUtf8("Sicherungskopie vom %1 (%2, %3) als neues Dokument geöffnet.")
                                     .arg(QString::fromStdString(copy.when), QString::fromUtf8(BackupWayText(copy.way)),
                                          QString::fromUtf8(BackupPartText(copy.part))));
        return true;
    };
    dialog.exec();
}

void CMainFrame::OnFilePrint() { m_view->FilePrint(); }
void CMainFrame::OnFilePrintPreview() { m_view->FilePrintPreview(); }
