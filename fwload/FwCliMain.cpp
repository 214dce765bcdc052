// SPDX-License-Identifier: GPL-3.0-or-later
#include "FwCliMain.h"

#include "CliDownload.h"
#include "FwBench.h"
#include "FwCliOptions.h"
#include "FwSettings.h"
#include "FwStrings.h"
#include "ProgramVersion.h"

#include <QCoreApplication>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kExitUsage = 2;
constexpr int kDefaultPort = 2;

int ProfilePort(const FwSettings& settings)
{
    const int port = settings.GetInt("Port", "COM ", 0);
    return port > 0 ? port : kDefaultPort;
}

} // namespace

int RunFwCli(int argc, char** argv, std::ostream& out, std::ostream& err)
{
    FwCliOptions o;
    std::string error;
    if (!ParseFwCliOptions(argc, argv, o, error)) {
        // The whole help would bury the one line that matters.
        err << "fwload: " << error << "\n" << FwString(IDS_FW_TEXT_MORE_HELP) << "\n";
        return kExitUsage;
    }
    if (o.help || o.version) {
        out << (o.help ? std::string(kFwCliUsage) : VersionText("fwload"));
        return 0;
    }
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);
    if (o.SeveralTelephones())
        return RunFwBench(o, std::vector<std::string>(argv, argv + argc), out, err);
    const FwSettings settings;
    const int port = o.port ? o.port : ProfilePort(settings);
    const std::string device = o.device.empty() ? settings.DeviceForPort(port) : o.device;
    CliDownload download(o.switches, o.yes, out, err);
    return download.Run(o.file, port, device, !o.device.empty());
}
