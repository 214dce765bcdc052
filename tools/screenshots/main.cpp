// SPDX-License-Identifier: GPL-3.0-or-later
// screenshots OUTDIR: draws the main window with each page current and the
// program's dialogs into PNG files, without a display.
#include "App.h"
#include "CAboutDlg.h"
#include "CDlgE_DialFilter.h"
#include "CDlgE_DialIndex.h"
#include "CDlgE_DialKey.h"
#include "CDlgE_DialName.h"
#include "CDlgE_Import.h"
#include "CDlgE_MsnPara.h"
#include "CDlg_PortDevice.h"
#include "CDlg_Backups.h"
#include "CDlg_Compare.h"
#include "CDlg_SioTrans.h"
#include "CDocCommands.h"
#include "CHelpWindow.h"
#include "CMainFrame.h"
#include "CPropertyPage.h"
#include "CPropertySheetView.h"
#include "CQ410CfView.h"
#include "Derivat.h"
#include "DocumentCompare.h"
#include "QtTranslations.h"
#include "MessageBoxes.h"
#include "ProfileFile.h"
#include "StringResources.h"

#include <QApplication>
#include <QDir>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <vector>

namespace {

// One dialog to draw: the file name (without ".png") and how to make it.
struct DialogShot {
    const char* name;
    std::function<std::unique_ptr<QWidget>(QWidget* parent)> make;
};

// The open document against a file that differs in a few places.
std::unique_ptr<QWidget> ComparisonWindow(const CData_All& data, const CDerivat& switches, QWidget* parent)
{
    CData_All other = data;
    other.cfg.basic.LoudBox = 5;
    other.cfg.basic.Knock = 0;
    other.cfg.dialIndex[2].Msn = "0301234567";
    other.cfg.dialKey[7].KeyUse = KEYUSE_MSN;
    other.cfg.dialKey[7].MsnKeyMsnId = 2;
    other.cfg.msnPara[0].Msn = "4711";
    other.dialName.entry[1].MelodyExt = 4;
    return std::make_unique<CDlg_Compare>(CompareDocuments(data, other, switches),
                                          QString::fromUtf8("Büro-2024.mv8"), parent);
}

// A backup folder with copies of both ways and parts and one that was cut short.
std::unique_ptr<QWidget> BackupsWindow(const CData_All& data, const CDerivat& switches, QWidget* parent)
{
    static QTemporaryDir dir;
    const std::string folder = dir.filePath(QStringLiteral("backups")).toStdString();
    QDir().mkpath(QString::fromStdString(folder));
    const struct {
        const char* name;
        const char* firmware;
    } copies[] = {{"20240611-172502-118-gesendet-konfiguration.mv8", "V3.20"},
                  {"20240611-171933-540-gelesen-konfiguration.mv8", "V3.20"},
                  {"20240528-090112-007-gesendet-telefonbuch.mv8", "V3.04"},
                  {"20240302-141250-903-gelesen-konfiguration.mv8", "V3.04"}};
    std::string error;
    for (const auto& copy : copies) {
        CData_All recorded = data;
        recorded.cfg.basic.SwVers = copy.firmware;
        CProfileFile file;
        recorded.MoveFile(file, true, switches);
        file.Save(folder + "/" + copy.name, error);
    }
    CProfileFile().Save(folder + "/20240115-080000-000-gelesen-telefonbuch.mv8", error);
    auto dialog = std::make_unique<CDlg_Backups>(folder, parent);
    dialog->Table()->selectRow(1);
    return dialog;
}

// New dialogs are added here.
std::vector<DialogShot> Dialogs(App& app)
{
    return {
        {"dialog_about", [](QWidget* parent) { return std::make_unique<CAboutDlg>(parent); }},
        {"dialog_help",
         [](QWidget* parent) {
             auto help = std::make_unique<CHelpWindow>(parent);
             help->GoToTopic(1000);
             return help;
         }},
        {"dialog_transfer",
         [&app](QWidget* parent) {
             return std::make_unique<CDlg_SioTrans>(1, app.transfer, app.data, app.doc.Switches(), app.comPort,
                                                    "/dev/null", parent);
         }},
        {"dialog_1210_rufnummer",
         [&app](QWidget* parent) {
             auto dialog = std::make_unique<CDlgE_MsnPara>(app.doc.Switches(), parent);
             dialog->LoadFrom(app.data.cfg.msnPara[0]);
             return dialog;
         }},
        {"dialog_1260_kurzwahl",
         [&app](QWidget* parent) {
             auto dialog = std::make_unique<CDlgE_DialIndex>(parent);
             dialog->LoadFrom(app.data.cfg.dialIndex[0]);
             return dialog;
         }},
        {"dialog_1910_wahlkontrolle",
         [&app](QWidget* parent) {
             auto dialog = std::make_unique<CDlgE_DialFilter>(parent);
             dialog->LoadFrom(app.data.cfg.dialFilter[0]);
             return dialog;
         }},
        {"dialog_1700_taste",
         [&app](QWidget* parent) {
             return std::make_unique<CDlgE_DialKey>(app.data.cfg.dialKey[0], app.doc.Switches(), parent);
         }},
        {"dialog_1410_telefonbuch",
         [&app](QWidget* parent) {
             return std::make_unique<CDlgE_DialName>(app.data.dialName.entry[0], app.doc.Switches(), parent);
         }},
        {"dialog_1600_import", [](QWidget* parent) { return std::make_unique<CDlgE_Import>(parent); }},
        {"dialog_vergleich",
         [&app](QWidget* parent) { return ComparisonWindow(app.data, app.doc.Switches(), parent); }},
        {"dialog_sicherungen",
         [&app](QWidget* parent) { return BackupsWindow(app.data, app.doc.Switches(), parent); }},
        {"dialog_geraet_waehlen",
         [](QWidget* parent) {
             const std::vector<std::string> present{"/dev/serial/by-id/usb-Adapter_A1-if00-port0", "/dev/ttyUSB0",
                                                    "/dev/ttyS0", "/dev/ttyS1"};
             return std::make_unique<CDlg_PortDevice>(2, QStringLiteral("/dev/ttyUSB0"), present, parent);
         }},
    };
}

// File names stay plain ASCII whatever the captions hold.
QString FileName(const QString& stem)
{
    QString name;
    for (QChar c : stem)
        name += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QLatin1Char('_');
    return name + QStringLiteral(".png");
}

bool Save(QWidget& widget, const QDir& outDir, const QString& stem)
{
    QApplication::processEvents();
    const QString path = outDir.filePath(FileName(stem));
    if (!widget.grab().save(path)) {
        std::cerr << "screenshots: " << path.toStdString() << " kann nicht geschrieben werden.\n";
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

constexpr const char* kUsage = "Aufruf: screenshots AUSGABEORDNER\n"
                               "Zeichnet jede Seite und jeden Dialog von mvconf ohne Anzeige als PNG-Datei\n"
                               "in AUSGABEORDNER (wird angelegt, vorhandene Bilder werden ersetzt).\n";

QtMessageHandler g_qtHandler = nullptr;

// The offscreen platform has no window manager to tell about a window's size
// limits, and says so each time a shown window's limits are set (and once
// when a window changes its parent); the pictures need neither. Every other
// message passes.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()") ||
        message == QLatin1String("This plugin does not support setParent!"))
        return;
    g_qtHandler(type, context, message);
}

// Both parts on, so that every page exists; the LCR page as well, which
// only another brand has.
void SwitchEverythingOn(CQ410CfDoc& doc)
{
    CDerivat everything = doc.Switches();
    everything.props.PropLcrPage = 1;
    doc.TakeSwitches(everything);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kUsage;
        return 0;
    }
    // A folder whose name begins with "-" is given as ./-name.
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << kUsage;
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtHandler = qInstallMessageHandler(DropPlatformNotes);
    QApplication application(argc, argv);
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(outDir.path())) {
        std::cerr << "screenshots: Ordner " << argv[1] << " kann nicht angelegt werden.\n";
        return 2;
    }
    InstallTranslations(application);
    // Boxes a dialog might raise while drawing are answered at once.
    SetMessageHookForTesting([](auto, auto, auto, auto) { return QMessageBox::Ok; });

    // The user's own profile stays untouched.
    QTemporaryDir profileDir;
    App app(DerivatLoad({{IDS_PROP_CFG, "1"}, {IDS_PROP_DIALNAME, "1"}}));
    app.profilePath = profileDir.filePath(QStringLiteral("mvconf.ini")).toStdString();
    app.ProfileSettingsGet();

    CMainFrame frame(app);
    frame.Docs().NewWithoutQuestion();
    SwitchEverythingOn(app.doc);
    frame.View().OnInitialUpdate();
    frame.OnDocumentChanged();
    frame.show();

    bool ok = true;
    CPropertySheetView* sheet = frame.View().Sheet();
    for (int i = 0; i < sheet->count(); ++i) {
        sheet->setCurrentIndex(i);
        ok = Save(frame, outDir, QStringLiteral("page_") + sheet->Page(i)->Caption()) && ok;
    }
    for (const DialogShot& shot : Dialogs(app)) {
        std::unique_ptr<QWidget> dialog = shot.make(&frame);
        dialog->show();
        ok = Save(*dialog, outDir, QString::fromLatin1(shot.name)) && ok;
        dialog->hide();
    }
    return ok ? 0 : 1;
}
