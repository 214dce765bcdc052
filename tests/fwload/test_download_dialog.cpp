// SPDX-License-Identifier: GPL-3.0-or-later
// The download dialog offscreen: title and port menu, the profile at start-up,
// the restart question, START, and a whole download through a pseudo-terminal.
#include "DownloadDialog.h"
#include "FwSettings.h"
#include "FwStrings.h"
#include "PtyLine.h"
#include "TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <filesystem>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

QString Text(int id)
{
    return QString::fromUtf8(FwString(id));
}

// Answers every box from a script (OK or Yes when it runs dry) and keeps what was asked.
class ScriptedDialog : public DownloadDialog {
public:
    using DownloadDialog::DownloadDialog;

    std::deque<QMessageBox::StandardButton> answers;
    QStringList captions;
    QStringList texts;
    QString hexFile;
    // Runs once while the next box is open, as the user's time before he answers.
    std::function<void()> whileAsking;

protected:
    QMessageBox::StandardButton Ask(QMessageBox::Icon, const QString& caption, const QString& text,
                                    QMessageBox::StandardButtons buttons) override
    {
        captions << caption;
        texts << text;
        if (whileAsking)
            std::exchange(whileAsking, {})();
        if (answers.empty())
            return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes;
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString AskHexFile(const QString&) override { return hexFile; }
};

// Revision "AB", version 1.25, hardware type Q410, then data records.
std::vector<std::string> HexRecords(int dataRecords)
{
    std::vector<std::string> records{HexRecord("02002A004142"), HexRecord("06001000310032350030")};
    for (int i = 0; i < dataRecords; ++i)
        records.push_back(HexRecord("0400" + std::to_string(10 + i) + "0000112233"));
    records.push_back(":00000001FF");
    return records;
}

std::string HexImage(int dataRecords)
{
    std::string hex;
    for (const std::string& record : HexRecords(dataRecords))
        hex += record + "\r\n";
    return hex;
}

// The telephone's end of the line; the dialog opens the other end.
class PtyTelephone : public PtyLine {
public:
    void Send(std::string_view bytes) { Write(bytes); }
    // The next line from the dialog; the dialog's events run meanwhile.
    std::string ReadLine(int timeoutMs = 3000)
    {
        std::string line;
        QElapsedTimer clock;
        clock.start();
        char c = 0;
        while (!line.ends_with('\n') && clock.elapsed() < timeoutMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            while (!line.ends_with('\n') && ReadByte(c))
                line += c;
        }
        return line;
    }
};

class Dialog : public ::testing::Test {
protected:
    // The user's own profile is never touched.
    Dialog() { ::setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1); }

    std::unique_ptr<ScriptedDialog> Open(const char* line, std::deque<QMessageBox::StandardButton> answers = {})
    {
        auto dialog = std::make_unique<ScriptedDialog>(FwCommandLine::Parse(line));
        dialog->answers = std::move(answers);
        dialog->OnInitDialog();
        return dialog;
    }
    static QMenu* PortMenu(QDialog& d) { return d.findChild<QMenu*>("portMenu"); }
    static std::vector<QAction*> PortCommands(QDialog& d)
    {
        std::vector<QAction*> commands;
        for (QAction* action : PortMenu(d)->actions())
            if (action->isCheckable())
                commands.push_back(action);
        return commands;
    }
    static QPushButton* Start(QDialog& d) { return d.findChild<QPushButton*>("start"); }
    std::string HexFile(const char* name, const std::string& text)
    {
        WriteFileBytes(dir.File(name), text);
        return dir.File(name);
    }

    TempDir dir;
    FwSettings profile{dir.File("fwload/fwload.ini")};
};

} // namespace

TEST_F(Dialog, FirstStartWritesTheDefaultPortAndFlag)
{
    const auto d = Open("");
    EXPECT_EQ(d->windowTitle(), "ISDN Telefon Download COM 2");
    EXPECT_EQ(ReadFileBytes(profile.Path()), "[Port]\r\nCOM =2\r\n[Download]\r\nActive =0\r\n");
    EXPECT_TRUE(d->captions.isEmpty());
}

TEST_F(Dialog, TitleEndsInTheCurrentPortAfterEverySwitch)
{
    const auto d = Open("");
    const std::vector<QAction*> commands = PortCommands(*d);
    for (int n : {4, 1, 3}) {
        commands[n - 1]->trigger();
        EXPECT_EQ(d->windowTitle(), "ISDN Telefon Download COM " + QString::number(n));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(commands[i]->isChecked(), i == n - 1) << n;
    }
    EXPECT_EQ(profile.GetInt("Port", "COM ", 0), 3);
    EXPECT_EQ(Open("")->windowTitle(), "ISDN Telefon Download COM 3");
    // "/COM:" is for this run only.
    EXPECT_EQ(Open("/COM:1")->windowTitle(), "ISDN Telefon Download COM 1");
    EXPECT_EQ(profile.GetInt("Port", "COM ", 0), 3);
}

TEST_F(Dialog, FourPortCommandsOrTenOnProductionLines)
{
    const auto normal = Open("/COM:7");
    EXPECT_EQ(PortMenu(*normal)->title(), "&Port");
    const std::vector<QAction*> four = PortCommands(*normal);
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[0]->text(), "Com &1  (/dev/ttyS0)");
    for (QAction* command : four)
        EXPECT_FALSE(command->isChecked()); // port 7 has no command here

    profile.SetDeviceForPort(10, "/dev/ttyUSB3");
    const auto production = Open("/Production /COM:0");
    EXPECT_EQ(PortMenu(*production)->title(), "&Prot");
    const std::vector<QAction*> ten = PortCommands(*production);
    ASSERT_EQ(ten.size(), 10u);
    EXPECT_EQ(ten[9]->text(), "Com &10  (/dev/ttyUSB3)");
    EXPECT_TRUE(ten[9]->isChecked());
}

TEST_F(Dialog, UnfinishedDownloadOffersARestart)
{
    profile.WriteInt("Download", "Active ", 1);
    const auto declined = Open("", {QMessageBox::No});
    EXPECT_EQ(declined->captions, QStringList{Text(IDS_FW_CAPTION_INCOMPLETE)});
    EXPECT_EQ(profile.GetInt("Download", "Active ", -1), 0);

    // Yes reloads the file of the last download; one that is gone loads nothing.
    profile.WriteInt("Download", "Active ", 1);
    profile.WriteText("File", "LastPath", dir.File("weg.hex"));
    const auto accepted = Open("", {QMessageBox::Yes});
    QTest::qWait(20);
    EXPECT_EQ(accepted->captions.last(), Text(IDS_FW_TEXT_OPEN_FAILED));
    EXPECT_FALSE(Start(*accepted)->isEnabled());
    EXPECT_EQ(profile.GetInt("Download", "Active ", -1), 1); // offered again next time
}

TEST_F(Dialog, StartIsOnlyAvailableWithALoadedFile)
{
    const auto d = Open("");
    EXPECT_FALSE(Start(*d)->isEnabled());
    d->hexFile = QString::fromStdString(HexFile("fw.hex", HexImage(2)));
    ASSERT_TRUE(d->LoadSoftware());
    EXPECT_TRUE(Start(*d)->isEnabled());
    EXPECT_EQ(d->findChild<QLabel*>("fileInfo")->text(), "Q410AB V1.25");
    EXPECT_EQ(profile.GetText("File", "LastPath"), dir.File("fw.hex"));
    EXPECT_EQ(profile.GetText("File", "LastName"), "fw.hex");

    // With nothing under way the abort leaves the file loaded and says nothing.
    const qsizetype boxes = d->captions.size();
    d->findChild<QPushButton*>("abort")->click();
    EXPECT_TRUE(Start(*d)->isEnabled());
    EXPECT_EQ(d->captions.size(), boxes);

    d->hexFile = QString::fromStdString(HexFile("ohne.hex", ":00000001FF\r\n"));
    EXPECT_FALSE(d->LoadSoftware());
    // The fixed text, then the version file that was looked for.
    EXPECT_TRUE(d->texts.last().startsWith(Text(IDS_FW_TEXT_VERSION_FILE)));
    EXPECT_TRUE(d->texts.last().contains(QString::fromStdString(dir.File("ohne.ver")))) << d->texts.last().toStdString();
    EXPECT_FALSE(Start(*d)->isEnabled());
    EXPECT_EQ(d->findChild<QLabel*>("currentFile")->text(), Text(IDS_FW_TEXT_UNKNOWN));
}

// A restart reloads the file of the interrupted download: one named with
// /FILE: (relative to where fwload ran) replaces the one chosen before.
TEST_F(Dialog, FileOfTheCommandLineIsTheOneARestartReloads)
{
    profile.WriteText("File", "LastPath", HexFile("alt.hex", HexImage(1)));
    HexFile("neu.hex", HexImage(2));
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const auto d = Open("/FILE:neu.hex");
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(Start(*d)->isEnabled());
    EXPECT_TRUE(std::filesystem::equivalent(profile.GetText("File", "LastPath"), dir.File("neu.hex")));
    EXPECT_EQ(profile.GetText("File", "LastPath").front(), '/');
    EXPECT_EQ(profile.GetText("File", "LastName"), "neu.hex");
}

TEST_F(Dialog, DebugAreaAndFullHeightOnlyWithD)
{
    const auto normal = Open("/X:10 /Y:20");
    const auto debug = Open("/D /X:10 /Y:20");
    EXPECT_TRUE(normal->findChild<QGroupBox*>("debugArea")->isHidden());
    EXPECT_FALSE(debug->findChild<QGroupBox*>("debugArea")->isHidden());
    EXPECT_EQ(normal->pos(), QPoint(10, 20));
    normal->show();
    debug->show();
    EXPECT_LT(normal->height(), debug->height());
    EXPECT_EQ(normal->minimumSize(), normal->maximumSize());

    // Esc alone does not close it, the window's close does.
    QTest::keyClick(normal.get(), Qt::Key_Escape);
    EXPECT_TRUE(normal->isVisible());
    normal->close();
    EXPECT_FALSE(normal->isVisible());
}

// The telephone started while the box is open greets behind it: the dialog
// answers only after OK, and then nothing of the greeting is lost.
TEST_F(Dialog, WholeDownloadThroughAPseudoTerminal)
{
    PtyTelephone phone;
    ASSERT_FALSE(phone.Device().empty());
    profile.SetDeviceForPort(2, phone.Device());
    const auto d = Open("");
    d->hexFile = QString::fromStdString(HexFile("fw.hex", HexImage(12)));
    ASSERT_TRUE(d->LoadSoftware());
    std::string sentBehindTheBox = "-";
    d->whileAsking = [&] {
        phone.Send("GO\r");
        sentBehindTheBox = phone.ReadLine(300);
    };
    d->OnStart();
    EXPECT_EQ(sentBehindTheBox, "");
    EXPECT_EQ(d->captions.last(), Text(IDS_FW_CAPTION_ATTENTION));
    // The duration is this file's, not a whole telephone image's.
    QString keys = Text(IDS_FW_TEXT_START_KEYS);
    keys.replace("ca. 25 Minuten", "ca. 1 Sekunde");
    EXPECT_EQ(d->texts.last(), Text(IDS_FW_TEXT_CONNECT) + "COM 2" + keys);
    EXPECT_EQ(Start(*d)->text(), Text(IDS_FW_TEXT_STARTED));

    const std::vector<std::string> records = HexRecords(12);
    EXPECT_EQ(phone.ReadLine(), records[0] + "\n");
    EXPECT_EQ(profile.GetInt("Download", "Active ", -1), 1);
    EXPECT_FALSE(PortCommands(*d)[0]->isEnabled());
    // The first line goes out once more after its ACK, then each line once.
    for (const std::string& record : records) {
        phone.Send("\x06");
        EXPECT_EQ(phone.ReadLine(), record + "\n");
    }
    // The bar moves with the percent, also for a small image.
    EXPECT_TRUE(QTest::qWaitFor([&] { return d->findChild<QProgressBar*>("progress")->value() > 0; }, 3000));
    phone.Send("\x06"
               "END\r");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Start(*d)->isEnabled(); }, 3000));
    EXPECT_EQ(d->captions.last(), Text(IDS_FW_CAPTION_SUCCESS));
    EXPECT_EQ(profile.GetInt("Download", "Active ", -1), 0);
    EXPECT_TRUE(PortCommands(*d)[0]->isEnabled()); // the next telephone may be on another port
}

TEST_F(Dialog, CancelAtTheStartOrAnAbortLaterSaysWhatIsLeft)
{
    PtyTelephone phone;
    profile.SetDeviceForPort(2, phone.Device());
    const auto d = Open("", {QMessageBox::Cancel});
    d->hexFile = QString::fromStdString(HexFile("fw.hex", HexImage(3)));
    ASSERT_TRUE(d->LoadSoftware());
    d->whileAsking = [&] { phone.Send("GO\r"); };
    d->OnStart();
    EXPECT_EQ(phone.ReadLine(300), "");
    EXPECT_EQ(d->captions.last(), Text(IDS_FW_CAPTION_NOT_STARTED));
    EXPECT_TRUE(Start(*d)->isEnabled());

    d->OnStart();
    phone.Send("GO\r");
    EXPECT_EQ(phone.ReadLine(), HexRecords(3)[0] + "\n");
    d->findChild<QPushButton*>("abort")->click();
    EXPECT_EQ(d->captions.last(), Text(IDS_FW_CAPTION_CANCELLED));
    EXPECT_EQ(d->texts.last(), Text(IDS_FW_TEXT_CANCELLED) + "\n\n" + Text(IDS_FW_TEXT_CANCELLED_WINDOW));
    EXPECT_EQ(profile.GetInt("Download", "Active ", -1), 1); // offered again at the next start
    // The same file goes again from its first line.
    EXPECT_TRUE(Start(*d)->isEnabled());
    EXPECT_TRUE(PortCommands(*d)[0]->isEnabled());
    d->OnStart();
    phone.Send("GO\r");
    EXPECT_EQ(phone.ReadLine(), HexRecords(3)[0] + "\n");
}

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
