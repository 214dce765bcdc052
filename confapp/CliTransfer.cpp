// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTransfer.h"

#include "AtomicFile.h"
#include "BenchBoard.h"
#include "BenchLoop.h"
#include "CliOptions.h"
#include "CliSession.h"
#include "DocumentSections.h"
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

namespace {

constexpr int kDefaultComPort = 2;
constexpr const char* kFileUnchanged = "Die Datei bleibt, wie sie war.";

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

// Reading starts from the file when it is a document (the phone book or the
// configuration it already holds stays), writing needs it. What is read must
// be savable before the telephone sends it: it is gone from the line after.
bool OpenDocument(Session& s, const CliOptions& o, bool reads, std::string& error)
{
    const std::string& path = o.files[0];
    if (!reads)
        return OpenDocumentToSend(s, o, error);
    if (s.doc.OnOpenOrNewDocument(path, error) && CheckSavable(path, error))
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

// On a terminal the telephone's row as a bench shows it, rewritten in place:
// where, percent and state. Into a file or a pipe nothing: the result says it.
class ProgressRow {
public:
    ProgressRow(std::ostream& out, std::string label) : m_columns(StdoutTerminalColumns()), m_board(out, m_columns)
    {
        m_row = m_board.Add(std::move(label), {});
    }
    void Show(const CTransferRunner& runner, bool reads)
    {
        if (m_columns <= 0)
            return;
        const bool waiting = runner.Link()->StateGet() == FirstStateOfMode(runner.Mode());
        m_board.SetState(m_row, waiting ? "wartet auf Telefon" : reads ? "liest" : "sendet");
        m_board.SetPercent(m_row, runner.Progress());
        m_shown = true;
    }
    // Before anything else is printed; the reason of a failure follows on its own.
    void End(CTransferRunner::Status status)
    {
        if (!m_shown || !m_board.IsRunning(m_row))
            return;
        using Result = BenchBoard::Result;
        m_board.Finish(m_row, status == CTransferRunner::Status::Succeeded   ? Result::Succeeded
                              : status == CTransferRunner::Status::Cancelled ? Result::Cancelled
                                                                             : Result::Failed);
    }

private:
    int m_columns;
    BenchBoard m_board;
    int m_row = 0;
    bool m_shown = false;
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

// Runs the transfer on an event loop until it has succeeded or failed.
CTransferRunner::Status Run(CTransferRunner& runner, QtTransferHost& host, std::ostream& out,
                            const std::string& where)
{
    QEventLoop loop;
    ProgressRow progress(out, where);
    const bool reads = runner.Mode() == MODE_READ_CFG || runner.Mode() == MODE_READ_DIALNAME;
    host.onTimer = [&runner](int id) { runner.OnTimer(id); };
    bool announced = false;
    runner.onChange = [&] {
        if (runner.GetStatus() != CTransferRunner::Status::Running) {
            loop.quit();
            return;
        }
        if (!announced) {
            announced = true;
            PrintInstructions(out, runner.Mode(), where);
        }
        progress.Show(runner, reads);
    };
    InterruptWatch interrupt([&runner] { runner.Cancel(); });
    if (runner.Start())
        loop.exec();
    progress.End(runner.GetStatus());
    return runner.GetStatus();
}

// A write that ended early may have left part of the document in the telephone.
std::string WhatTheTelephoneHolds(const CTransferRunner& runner, bool reads)
{
    if (reads)
        return " " + std::string(kFileUnchanged);
    if (!runner.TelephoneTookPart())
        return " Es wurde nichts übertragen.";
    return " " + PartlyWrittenNotice(runner.RequestedMode(), "mit demselben Aufruf");
}

std::string FailureText(const CTransferRunner& runner, bool reads, const std::string& where)
{
    std::string text = TransferFailureText(runner.RequestedMode()) + std::string(" (") + where + ")";
    if (const std::string cause = runner.FailureCause(); !cause.empty())
        text += " " + cause;
    return text + WhatTheTelephoneHolds(runner, reads);
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

bool OpenDocumentToSend(Session& s, const CliOptions& o, std::string& error)
{
    const std::string& path = o.files[0];
    if (!s.doc.OnOpenDocument(path, error))
        return false;
    const std::string warning = MissingPartWarning(path, s.doc.PartsInFile(), IsPhoneBookMode(o.mode));
    if (warning.empty() || o.force)
        return true;
    error = warning + " Mit --force wird es trotzdem gesendet. Es wurde nichts übertragen.";
    return false;
}

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
    if (!OpenDocument(s, o, plan.reads, error))
        return Fail(err, error);
    PrepareTransferCopy(s, plan.mode);

    const std::unique_ptr<QCoreApplication> app = EnsureCoreApplication();

    const std::string profile = UserProfilePath("mvconf");
    const int port = o.port ? o.port : ProfilePort(profile);
    QtTransferHost host;
    CTransferRunner runner(plan.mode, s.transfer, s.data, s.doc.Switches(), host);
    const std::string device = o.device.empty() ? DeviceForPort(profile, port) : o.device;
    runner.SetPort(port, device);
    runner.KeepBackupsIn(DefaultBackupFolder());
    // With --device the port number means nothing to the user.
    const std::string where = (o.device.empty() ? "COM " + std::to_string(port) + ", " : "") + "Gerät " + device;
    const CTransferRunner::Status status = Run(runner, host, out, where);

    if (status == CTransferRunner::Status::PortFailed) {
        const std::string howToName = o.device.empty() ? HowToNameDeviceOnCommandLine(profile, port) : std::string();
        return Fail(err, std::string(TransferFailureText(MODE_PORT_FAILED)) + " " +
                             PortOpenFailureReason(runner.Port(), howToName));
    }
    if (status == CTransferRunner::Status::Cancelled)
        return Fail(err, "Übertragung abgebrochen." + WhatTheTelephoneHolds(runner, plan.reads), kExitTransferFailed);
    if (status != CTransferRunner::Status::Succeeded)
        return Fail(err, FailureText(runner, plan.reads, where), kExitTransferFailed);
    ReportBackup(runner.Backup(), out, err);
    if (!plan.reads)
        return kExitOk;
    s.doc.TakeSwitches(runner.Link()->Switches());
    return SaveWhatWasRead(s, path, runner.Backup(), err);
}
