// SPDX-License-Identifier: GPL-3.0-or-later
#include "FwBench.h"

#include "BenchDownload.h"
#include "BenchLoop.h"
#include "CliDownload.h"
#include "FirmwareHints.h"
#include "FwCliOptions.h"
#include "FwSettings.h"
#include "FwStrings.h"

#include <memory>
#include <ostream>
#include <string>

namespace {

constexpr int kExitError = 2;

bool LoadAll(const std::vector<std::unique_ptr<BenchDownload>>& downloads, const std::string& hexPath,
             std::ostream& err)
{
    for (const auto& download : downloads) {
        const FirmwareLoadResult result = download->Load(hexPath);
        if (result.ok)
            continue;
        PrintLoadFailure(err, hexPath, result);
        return false;
    }
    return true;
}

// The file and the start message once for all: every telephone gets the same.
void PrintStart(const DownloadLink& link, const std::string& hexPath, const std::vector<BenchTelephone>& phones,
                const FwSettings& settings, std::ostream& out)
{
    const FirmwareIdentity& identity = link.Identity();
    out << "Datei: " << hexPath << " (" << identity.fileHardware << " " << identity.fileVersionText << ", "
        << link.Image().LineCount() << " Zeilen)\n"
        << "Bitte " << phones.size() << " Telefone an folgende Ports anschließen: ";
    for (std::size_t i = 0; i < phones.size(); ++i)
        out << (i ? ", " : "") << phones[i].label;
    const bool q38 = settings.GetInt("Hardware", "Q38 ", 0) != 0;
    out << WithFileDuration(FwString(q38 ? IDS_FW_TEXT_START_KEYS_Q38 : IDS_FW_TEXT_START_KEYS),
                            link.Image().ImageLength())
        << "\nAlle Telefone laden zugleich.\n\n"
        << std::flush;
}

} // namespace

int RunFwBench(const FwCliOptions& o, const std::vector<std::string>& arguments, std::ostream& out,
               std::ostream& err)
{
    const FwSettings settings;
    std::vector<BenchTelephone> phones;
    std::string error;
    if (!ResolveBenchTargets(
            o.targets, [&settings](int port) { return settings.DeviceForPort(port); }, settings.Path(), phones,
            error)) {
        err << "fwload: " << error << "\n";
        return kExitError;
    }
    BenchBoard board(out, StdoutTerminalColumns());
    std::vector<std::unique_ptr<BenchDownload>> downloads;
    for (const BenchTelephone& phone : phones)
        downloads.push_back(std::make_unique<BenchDownload>(board, board.Add(phone.label, phone.target), phone.device,
                                                            o.switches.ProtocolOptions(), o.yes));
    if (!LoadAll(downloads, o.file, err))
        return kExitError;
    PrintStart(downloads.front()->Link(), o.file, phones, settings, out);
    RunBench(
        board,
        [&] {
            for (std::size_t i = 0; i < phones.size(); ++i)
                downloads[i]->Start(phones[i].port, phones[i].howToName);
        },
        [&] {
            for (const auto& download : downloads)
                download->Cancel();
        });
    board.PrintSummary(arguments);
    if (board.Count(BenchBoard::Result::Succeeded) > 0)
        out << "Fertige Telefone: bitte die ISDN-Anschlußschnur ziehen und erneut einstecken.\n";
    return board.ExitStatus();
}
