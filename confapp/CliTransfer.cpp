// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTransfer.h"

#include "AtomicFile.h"
#include "CliOptions.h"
#include "CliSession.h"
#include "InterruptWatch.h"
#include "ProfileFile.h"
#include "QtTransferHost.h"
#include "TransferBackup.h"
#include "TransferRunner.h"
#include "TransferTexts.h"
#include "UserPaths.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <unistd.h>

namespace {

constexpr int kDefaultComPort = 2;

struct TransferPlan {
    int mode;
    bool reads;
};

TransferPlan PlanOf(CliMode mode)
{
    switch (mode) {
    case CliMode::ReadConfig: return {MODE_READ_CFG, true};
    case CliMode::ReadPhoneBook: return {MODE_READ_DIALNAME, true};
    case CliMode::WritePhoneBook: return {MODE_WRITE_DIALNAME, false};
    default: return {MODE_WRITE_CFG, false};
    }
}

int ProfilePort(const std::string& profilePath)
{
    CProfileFile profile;
    std::string ignored;
    profile.Load(profilePath, ignored);
    const int port = std::atoi(profile.GetString("Transfer", "ComPort").c_str());
    return port >= 1 && port <= 255 ? port : kDefaultComPort;
}

// Reading starts from the file when there is one (the phone book or the
// configuration it already holds stays), writing needs it. What is read must
// be savable before the telephone sends it: it is gone from the line after.
bool OpenDocument(Session& s, const std::string& path, bool reads, std::string& error)
{
    if (!reads)
        return s.doc.OnOpenDocument(path, error);
    if (Exists(path) ? !s.doc.OnOpenDocument(path, error) : !s.doc.OnNewDocument())
        return false;
    if (CheckSavable(path, error))
        return true;
    error += " Es wurde nichts übertragen.";
    return false;
}

// The transfer copy as the application's transfer commands prepare it.
void PrepareTransferCopy(Session& s, int mode)
{
    s.transfer = s.data;
    if (mode == MODE_READ_CFG)
        s.transfer.ResetCfg();
    else if (mode == MODE_READ_DIALNAME)
        s.transfer.ResetDialName();
}

// The percent line on a terminal; it is ended before anything else is printed.
class ProgressPrinter {
public:
    explicit ProgressPrinter(std::ostream& out) : m_out(out), m_enabled(::isatty(STDOUT_FILENO)) {}
    ~ProgressPrinter() { End(); }
    void Show(int percent)
    {
        if (!m_enabled || percent == m_shown)
            return;
        m_shown = percent;
        m_out << "\r" << percent << " %" << std::flush;
    }
    void End()
    {
        if (m_shown >= 0)
            m_out << "\n" << std::flush;
        m_shown = -1;
    }

private:
    std::ostream& m_out;
    bool m_enabled;
    int m_shown = -1;
};

// What the transfer window shows while it waits for the telephone.
void PrintInstructions(std::ostream& out, int mode, const std::string& where)
{
    out << kTransferInstruction << "\n"
        << kTransferKeys << "\n"
        << "Das Telefon muss sich innerhalb von " << CTrans::kWaitRdyMs / 1000 << " Sekunden melden ("
        << where << "; Abbruch mit Strg+C).\n"
        << TransferRunningText(mode) << "\n"
        << std::flush;
}

struct Outcome {
    CTransferRunner::Status status;
    bool readyTimedOut; // the telephone never reported ready
};

// Runs the transfer on an event loop until it has succeeded or failed.
Outcome Run(CTransferRunner& runner, QtTransferHost& host, std::ostream& out, const std::string& where)
{
    QEventLoop loop;
    ProgressPrinter progress(out);
    bool readyTimedOut = false;
    host.onTimer = [&runner, &readyTimedOut](int id) {
        readyTimedOut = readyTimedOut || id == CTrans::M_TRANS_WAITRDY_TIMER;
        runner.OnTimer(id);
    };
    bool announced = false;
    runner.onChange = [&] {
        if (!announced && runner.GetStatus() == CTransferRunner::Status::Running) {
            announced = true;
            PrintInstructions(out, runner.Mode(), where);
        }
        progress.Show(runner.Progress());
        if (runner.GetStatus() != CTransferRunner::Status::Running)
            loop.quit();
    };
    InterruptWatch interrupt([&runner] { runner.Cancel(); });
    if (runner.Start())
        loop.exec();
    return {runner.GetStatus(), readyTimedOut};
}

std::string FailureText(int mode, const Outcome& outcome, const std::string& where)
{
    std::string text = TransferFailureText(mode);
    if (outcome.readyTimedOut)
        return text + " Das Telefon hat sich nicht innerhalb von " + std::to_string(CTrans::kWaitRdyMs / 1000) +
               " Sekunden gemeldet: Es wurde nicht mit " + kTransferKeys +
               " in den Datenmodus gebracht, oder Kabel oder Anschluss stimmen nicht (" + where + ").";
    return text + " (" + where + ")";
}

// Where the copy of what was read or sent went; a missing copy is only a warning.
void ReportBackup(const BackupResult& backup, std::ostream& out, std::ostream& err)
{
    if (backup.kept)
        out << BackupNotice(backup) << "\n" << std::flush;
    else if (backup.Tried())
        err << "mvconf: Warnung: " << BackupNotice(backup) << "\n";
}

// The runner kept the copy before the save, so a failed save still leaves it.
int SaveWhatWasRead(Session& s, const std::string& path, const BackupResult& backup, std::ostream& err)
{
    std::string error;
    if (s.doc.OnSaveDocument(path, error))
        return kExitOk;
    if (backup.kept)
        error += " Die gelesenen Daten stehen in der Sicherungskopie " + backup.path + ".";
    return Fail(err, error);
}

} // namespace

std::unique_ptr<QCoreApplication> EnsureCoreApplication()
{
    static int argc = 1;
    static char name[] = "mvconf";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return nullptr;
    return std::make_unique<QCoreApplication>(argc, argv);
}

int RunTransferMode(Session& s, const CliOptions& o, std::ostream& out, std::ostream& err)
{
    const TransferPlan plan = PlanOf(o.mode);
    const std::string& path = o.files[0];
    std::string error;
    if (!OpenDocument(s, path, plan.reads, error))
        return Fail(err, error);
    PrepareTransferCopy(s, plan.mode);

    const std::unique_ptr<QCoreApplication> app = EnsureCoreApplication();

    const std::string profile = UserProfilePath("mvconf");
    const int port = o.port ? o.port : ProfilePort(profile);
    QtTransferHost host;
    CTransferRunner runner(plan.mode, s.transfer, s.data, host);
    const std::string device = o.device.empty() ? DeviceForPort(profile, port) : o.device;
    runner.SetPort(port, device);
    runner.KeepBackupsIn(DefaultBackupFolder());
    // With --device the port number means nothing to the user.
    const std::string where = (o.device.empty() ? "COM " + std::to_string(port) + ", " : "") + "Gerät " + device;
    const Outcome outcome = Run(runner, host, out, where);

    if (outcome.status == CTransferRunner::Status::PortFailed) {
        const std::string howToName = o.device.empty() ? HowToNameDeviceOnCommandLine(profile, port) : std::string();
        return Fail(err, std::string(TransferFailureText(MODE_PORT_FAILED)) + " " +
                             PortOpenFailureReason(runner.Port(), howToName));
    }
    if (outcome.status == CTransferRunner::Status::Cancelled)
        return Fail(err, "Übertragung abgebrochen.", kExitTransferFailed);
    if (outcome.status != CTransferRunner::Status::Succeeded)
        return Fail(err, FailureText(plan.mode, outcome, where), kExitTransferFailed);
    ReportBackup(runner.Backup(), out, err);
    return plan.reads ? SaveWhatWasRead(s, path, runner.Backup(), err) : kExitOk;
}
