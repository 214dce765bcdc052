// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliBenchWrite.h"

#include "BenchLoop.h"
#include "BenchTransfer.h"
#include "CliOptions.h"
#include "CliSession.h"
#include "CliTransfer.h"
#include "TransferTexts.h"
#include "UserPaths.h"

#include <QCoreApplication>

#include <memory>
#include <ostream>

namespace {

// What the transfer window shows while it waits, once for all telephones.
void PrintInstructions(std::ostream& out, int mode, const std::vector<BenchTelephone>& phones)
{
    out << kTransferInstruction << "\n"
        << kTransferKeys << "\n"
        << "Jedes der " << phones.size() << " Telefone muss sich innerhalb von " << CTrans::kWaitRdyMs / 1000
        << " Sekunden melden (";
    for (std::size_t i = 0; i < phones.size(); ++i)
        out << (i ? ", " : "") << phones[i].label;
    out << "; Abbruch mit Strg+C).\n" << TransferRunningText(mode) << "\n\n" << std::flush;
}

} // namespace

int RunBenchWrite(Session& s, const CliOptions& o, const std::vector<std::string>& arguments, std::ostream& out,
                  std::ostream& err)
{
    const int mode = o.mode == CliMode::WritePhoneBook ? MODE_WRITE_DIALNAME : MODE_WRITE_CFG;
    const std::string profile = UserProfilePath("mvconf");
    std::vector<BenchTelephone> phones;
    std::string error;
    if (!ResolveBenchTargets(
            o.targets, [&profile](int port) { return DeviceForPort(profile, port); }, profile, phones, error) ||
        !OpenDocumentToSend(s, o, error))
        return Fail(err, error);

    const std::unique_ptr<QCoreApplication> app = EnsureCoreApplication();

    BenchBoard board(out, StdoutTerminalColumns());
    std::vector<std::unique_ptr<BenchTransfer>> transfers;
    for (const BenchTelephone& phone : phones)
        transfers.push_back(std::make_unique<BenchTransfer>(board, board.Add(phone.label, phone.target), mode, s.data,
                                                            s.doc.Switches(), phone.port, phone.device,
                                                            phone.howToName));
    PrintInstructions(out, mode, phones);
    RunBench(
        board,
        [&] {
            for (const auto& transfer : transfers)
                transfer->Start();
        },
        [&] {
            for (const auto& transfer : transfers)
                transfer->Cancel();
        });
    board.PrintSummary(arguments);
    return board.ExitStatus();
}
