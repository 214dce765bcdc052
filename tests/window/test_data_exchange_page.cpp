// SPDX-License-Identifier: GPL-3.0-or-later
// The data-exchange page: which transfer buttons exist, the port choice in
// the page protocol, and the device behind each port in the user's profile.
#include "App.h"
#include "CDlg_PortDevice.h"
#include "CPpS_SioTrans.h"
#include "Derivat.h"
#include "MessageBoxes.h"
#include "ProfileFile.h"
#include "TestSupport.h"
#include "UserPaths.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class DataExchangePage : public ::testing::Test {
protected:
    DataExchangePage()
    {
        app.profilePath = profile;
        SetMessageHookForTesting([this](QMessageBox::Icon, const QString&, const QString& text,
                                        QMessageBox::StandardButtons) {
            messages.push_back(text);
            return QMessageBox::Ok;
        });
    }
    ~DataExchangePage() override { SetMessageHookForTesting({}); }

    // The document's switches with the phone-book part on; change may alter more.
    void SwitchPhoneBookOn(void (*change)(CDerivat&) = nullptr)
    {
        CDerivat switches = app.doc.Switches();
        switches.PropDialName = true;
        if (change)
            change(switches);
        app.doc.TakeSwitches(switches);
    }

    CProfileFile Profile() const
    {
        CProfileFile file;
        std::string error;
        file.Load(profile, error);
        return file;
    }

    TempDir dir;
    std::string profile = dir.File("config/mvconf/mvconf.ini");
    App app{TestIdentity()};
    std::vector<QString> messages;
};

TEST_F(DataExchangePage, TheSwitchesDecideWhichTransfersAreOffered)
{
    CPpS_SioTrans page(app);
    page.LoadFromData();
    EXPECT_FALSE(page.RxCfgButton()->isHidden());
    EXPECT_FALSE(page.TxCfgButton()->isHidden());
    EXPECT_TRUE(page.RxDialNameButton()->isHidden());
    EXPECT_TRUE(page.TxDialNameButton()->isHidden());
    EXPECT_TRUE(page.TxCfgButton()->isEnabled());

    SwitchPhoneBookOn([](CDerivat& switches) { switches.props.PropTxAllowed = 0; });
    page.LoadFromData();
    EXPECT_FALSE(page.RxDialNameButton()->isHidden());
    EXPECT_FALSE(page.TxDialNameButton()->isHidden());
    EXPECT_FALSE(page.TxCfgButton()->isEnabled());
    EXPECT_FALSE(page.TxDialNameButton()->isEnabled());
    EXPECT_TRUE(page.RxCfgButton()->isEnabled());
}

TEST_F(DataExchangePage, ThePortChosenIsThePortStored)
{
    CPpS_SioTrans page(app);
    page.show();
    page.LoadFromData();
    EXPECT_TRUE(page.PortButton(2)->isChecked());
    QTest::mouseClick(page.PortButton(3), Qt::LeftButton);
    ASSERT_TRUE(page.StoreToData());
    EXPECT_EQ(app.comPort, 3);
    EXPECT_FALSE(page.PortButton(2)->isChecked());
}

// Each button runs its own transfer, and the page is stored first, so the
// port chosen just before the press is the one the transfer uses.
TEST_F(DataExchangePage, EachButtonRunsItsTransferOnThePortJustChosen)
{
    struct PageView : IDataView {
        CPpS_SioTrans* page = nullptr;
        void MoveDataDocToView() override { page->LoadFromData(); }
        void MoveDataViewToDoc() override { page->StoreToData(); }
    } view;
    SwitchPhoneBookOn();
    CPpS_SioTrans page(app);
    view.page = &page;
    app.view = &view;
    std::vector<std::pair<int, int>> runs; // mode, port
    app.runTransfer = [this, &runs](int mode) { runs.emplace_back(mode, app.comPort); };
    page.show();
    page.LoadFromData();

    QTest::mouseClick(page.PortButton(3), Qt::LeftButton);
    QTest::mouseClick(page.RxCfgButton(), Qt::LeftButton);
    QTest::mouseClick(page.PortButton(1), Qt::LeftButton);
    QTest::mouseClick(page.TxCfgButton(), Qt::LeftButton);
    QTest::mouseClick(page.RxDialNameButton(), Qt::LeftButton);
    QTest::mouseClick(page.TxDialNameButton(), Qt::LeftButton);
    app.view = nullptr;
    EXPECT_EQ(runs, (std::vector<std::pair<int, int>>{{1, 3}, {0, 1}, {3, 1}, {2, 1}}));
    EXPECT_TRUE(page.PortButton(1)->isChecked());
}

TEST_F(DataExchangePage, APortOutsideOneToFourChecksNothingAndStoresZero)
{
    CPpS_SioTrans page(app);
    page.LoadFromData(); // COM2 checked first: loading again must clear it
    for (int port : {0, 5, -1}) {
        app.comPort = port;
        page.LoadFromData();
        for (int n = 1; n <= CPpS_SioTrans::kPorts; ++n)
            EXPECT_FALSE(page.PortButton(n)->isChecked()) << port << " COM" << n;
        ASSERT_TRUE(page.StoreToData());
        EXPECT_EQ(app.comPort, 0);
    }
}

TEST_F(DataExchangePage, EachPortShowsItsDeviceAndAssigningOneKeepsTheRestOfTheProfile)
{
    MakeFolders(dir.File("config/mvconf"));
    WriteFileBytes(profile, "[Transfer]\r\nComPort=3\r\n[Ports]\r\nCOM1=/dev/serial/by-id/usb-Adapter_mit_langem_Namen-if00\r\n"
                            "[Screen]\r\nX=5\r\n");
    CPpS_SioTrans page(app);
    page.LoadFromData();
    EXPECT_EQ(page.DeviceLabel(1)->text(), QStringLiteral("/dev/serial/by-id/usb-Adapter_mit_langem_Namen-if00"));
    EXPECT_EQ(page.DeviceLabel(3)->text(), QStringLiteral("/dev/ttyS2")); // none assigned yet
    ASSERT_TRUE(page.AssignDevice(3, QStringLiteral("/dev/ttyACM0")));
    EXPECT_EQ(ReadFileBytes(profile), "[Transfer]\r\nComPort=3\r\n[Ports]\r\nCOM1=/dev/serial/by-id/usb-Adapter_mit_langem_Namen-if00\r\n"
                                      "COM3=/dev/ttyACM0\r\n[Screen]\r\nX=5\r\n");
    EXPECT_EQ(page.DeviceLabel(3)->text(), QStringLiteral("/dev/ttyACM0"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(DataExchangePage, AssigningCreatesAMissingProfileButNeverReplacesAnUnreadableOne)
{
    CPpS_SioTrans page(app);
    ASSERT_TRUE(page.AssignDevice(1, QStringLiteral("/dev/ttyUSB0")));
    EXPECT_EQ(Profile().GetFullString("Ports", "COM1"), "/dev/ttyUSB0");

    app.profilePath = dir.Path(); // a folder: it cannot be read as a file
    EXPECT_FALSE(page.AssignDevice(1, QStringLiteral("/dev/ttyUSB0")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(FileExists(profile));
}

TEST_F(DataExchangePage, TheDeviceButtonAssignsTheChosenPathToTheCheckedPort)
{
    CPpS_SioTrans page(app);
    page.show();
    app.comPort = 0;
    page.LoadFromData();
    QTest::mouseClick(page.ChooseDeviceButton(), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u); // no port checked yet
    EXPECT_FALSE(FileExists(profile));

    QTest::mouseClick(page.PortButton(4), Qt::LeftButton);
    bool chooserSeen = false;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<CDlg_PortDevice*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        chooserSeen = true;
        EXPECT_EQ(chooser->Device(), QStringLiteral("/dev/ttyS3")); // the current device to start from
        chooser->DeviceBox()->setCurrentText(QStringLiteral("ttyUSB0"));
        chooser->accept(); // refused: not a full path
        EXPECT_TRUE(chooser->isVisible());
        chooser->DeviceBox()->setCurrentText(QStringLiteral("  /dev/pts/7 "));
        chooser->accept();
    });
    QTest::mouseClick(page.ChooseDeviceButton(), Qt::LeftButton);
    ASSERT_TRUE(chooserSeen);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(Profile().GetFullString("Ports", "COM4"), "/dev/pts/7");
    EXPECT_EQ(page.DeviceLabel(4)->text(), QStringLiteral("/dev/pts/7"));
}

TEST_F(DataExchangePage, TheChooserSaysWhenNoSerialDeviceIsPresent)
{
    CDlg_PortDevice none(2, QString(), {});
    EXPECT_TRUE(none.NoteText().contains(QStringLiteral("kein serielles Gerät")));
    EXPECT_EQ(none.DeviceBox()->count(), 0);

    CDlg_PortDevice some(2, QStringLiteral("/dev/ttyS1"), {"/dev/ttyUSB0", "/dev/ttyS0"});
    EXPECT_TRUE(some.NoteText().isEmpty());
    EXPECT_EQ(some.DeviceBox()->count(), 2);
    EXPECT_EQ(some.Device(), QStringLiteral("/dev/ttyS1"));
}

} // namespace
