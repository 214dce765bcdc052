// SPDX-License-Identifier: GPL-3.0-or-later
// A whole firmware download with fwload --cli to the simulated boot loader:
// once throttled to a 9600 baud 8N2 line (total time against the wire limit,
// fwload's own CPU time), once unthrottled (lines per second), and to several
// throttled boot loaders at once in one fwload (total time against the one
// alone, fwload's CPU time per telephone).
//   bench_download [--kib N] [--telephones N]
//     --kib: image size in KiB of text (default 64; 1024 for the full figure)
//     --telephones: boot loaders served at once (default 8)
#include "ChildProcess.h"
#include "TestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kBitsPerByte = 11; // start, 8 data, 2 stop bits
constexpr double kBaud = 9600;
// The boot loader's own pauses: greeting after the port opens, GO after the report.
constexpr double kGreetingDelayS = 0.2 + 0.1;
// Unthrottled, the greeting comes sooner; its pauses are left out of the line rate.
constexpr int kFastStartDelayMs = 50;
constexpr double kFastGreetingDelayS = kFastStartDelayMs / 1000.0 + 0.1;

std::string Record(unsigned address, unsigned type, const unsigned char* bytes, unsigned count)
{
    char text[80];
    int at = std::snprintf(text, sizeof text, ":%02X%04X%02X", count, address & 0xFFFF, type);
    unsigned sum = count + (address >> 8 & 0xFF) + (address & 0xFF) + type;
    for (unsigned i = 0; i < count; ++i) {
        at += std::snprintf(text + at, sizeof text - static_cast<std::size_t>(at), "%02X", bytes[i]);
        sum += bytes[i];
    }
    std::snprintf(text + at, sizeof text - static_cast<std::size_t>(at), "%02X", (0x100 - (sum & 0xFF)) & 0xFF);
    return text;
}

struct Image {
    std::string hex;     // the file, CR LF lines
    std::size_t wireBytes = 0; // what goes over the line: every record with LF, the first twice
    std::size_t lines = 0;
};

Image MakeImage(std::size_t kib)
{
    Image image;
    const unsigned char revision[] = {'A', 'B'};
    const unsigned char version[] = {'1', 0, '2', '5', 0, '0'};
    std::string records = Record(0x2A, 0, revision, 2) + "\n" + Record(0x10, 0, version, 6) + "\n";
    const std::string first = Record(0x2A, 0, revision, 2) + "\n";
    unsigned char data[16];
    for (unsigned address = 0x100; records.size() < kib * 1024; address += 16) {
        for (unsigned i = 0; i < 16; ++i)
            data[i] = static_cast<unsigned char>(address * 7 + i);
        records += Record(address, 0, data, 16) + "\n";
    }
    records += ":00000001FF\n";
    for (const char c : records) {
        if (c == '\n') {
            image.hex += "\r\n";
            ++image.lines;
        } else {
            image.hex += c;
        }
    }
    image.wireBytes = records.size() + first.size();
    return image;
}

double ChildrenCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Run {
    int status = -1;
    double wallS = 0;
    double cpuS = 0;
};

// fwload --cli on the image with the given device options, timed. fwload is
// waited for before the boot loaders, so the children's CPU time that grows
// across RunProcess is fwload's own.
Run TimedFwload(const TempDir& dir, const std::vector<std::string>& devices, int timeoutMs)
{
    std::vector<std::string> argv{FwloadPath(), "--cli", "--file", dir.File("fw.hex")};
    argv.insert(argv.end(), devices.begin(), devices.end());
    const double cpuBefore = ChildrenCpuSeconds();
    const auto start = Clock::now();
    const ProcessResult r = RunProcess(argv, timeoutMs, {"XDG_CONFIG_HOME=" + dir.Path()});
    Run run;
    run.wallS = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpuS = ChildrenCpuSeconds() - cpuBefore;
    run.status = r.status;
    if (r.status != 0)
        std::fprintf(stderr, "fwload failed (%d): %s%s\n", r.status, r.out.c_str(), r.err.c_str());
    return run;
}

Run Download(const TempDir& dir, bool throttled, int timeoutMs)
{
    std::vector<std::string> options{"--report", "--hardware", "Q410", "--revision", "AB", "--sessions", "1"};
    if (throttled)
        options.insert(options.end(), {"--throttle", "--timing", dir.File("timing.txt")});
    else
        options.insert(options.end(), {"--start-delay", std::to_string(kFastStartDelayMs)});
    SimulatedBootLoader loader(options);
    const Run run = TimedFwload(dir, {"--device", loader.Device()}, timeoutMs);
    loader.Wait(5000);
    return run;
}

// One fwload serving count throttled boot loaders at once.
Run DownloadMany(const TempDir& dir, int count, int timeoutMs, double& worstLateS)
{
    std::vector<std::unique_ptr<SimulatedBootLoader>> loaders;
    std::vector<std::string> devices;
    for (int i = 0; i < count; ++i) {
        loaders.push_back(std::make_unique<SimulatedBootLoader>(std::vector<std::string>{
            "--report", "--hardware", "Q410", "--revision", "AB", "--sessions", "1", "--throttle", "--timing",
            dir.File("timing" + std::to_string(i) + ".txt")}));
        devices.insert(devices.end(), {"--device", loaders.back()->Device()});
    }
    const Run run = TimedFwload(dir, devices, timeoutMs);
    for (auto& loader : loaders)
        loader->Wait(5000);
    worstLateS = 0;
    for (int i = 0; i < count; ++i)
        worstLateS = std::max(worstLateS, NamedFigures(dir.File("timing" + std::to_string(i) + ".txt"))["late_s"]);
    return run;
}

constexpr const char* kUsage =
    "Usage: bench_download [--kib N] [--telephones N]\n"
    "Loads an image with fwload --cli into the simulated boot loader: unthrottled, throttled to\n"
    "9600 baud 8N2, and into several throttled boot loaders at once; prints the figures.\n"
    "  --kib N           image size in KiB of text (default 64; 1024 for the full figure)\n"
    "  --telephones N    boot loaders served at once (default 8)\n";

// False for anything but the options above, each with a number of at least 1.
bool ParseArguments(int argc, char** argv, std::size_t& kib, int& telephones, bool& help)
{
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            help = true;
            continue;
        }
        if ((name != "--kib" && name != "--telephones") || i + 1 == argc)
            return false;
        char* end = nullptr;
        const unsigned long value = std::strtoul(argv[++i], &end, 10);
        if (*end != '\0' || value < 1 || value > 1u << 20)
            return false;
        if (name == "--kib")
            kib = value;
        else
            telephones = static_cast<int>(value);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t kib = 64;
    int telephones = 8;
    bool help = false;
    if (!ParseArguments(argc, argv, kib, telephones, help)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    TempDir dir;
    const Image image = MakeImage(kib);
    WriteFileBytes(dir.File("fw.hex"), image.hex);

    const Run fast = Download(dir, false, 600000);
    std::printf("download unthrottled: %zu lines in %.2f s = %.0f lines/s without the greeting pauses, "
                "fwload CPU %.2f s\n",
                image.lines, fast.wallS, static_cast<double>(image.lines) / (fast.wallS - kFastGreetingDelayS),
                fast.cpuS);

    // Every line is answered by one ACK byte before the next goes out.
    const double wireS = static_cast<double>(image.wireBytes) * kBitsPerByte / kBaud;
    const double answersS = static_cast<double>(image.lines + 2) * kBitsPerByte / kBaud + kGreetingDelayS;
    const Run slow = Download(dir, true, static_cast<int>((wireS + answersS) * 1000 * 1.5) + 30000);
    std::printf("download at 9600 8N2: %zu KiB image, %zu bytes on the line\n", kib, image.wireBytes);
    std::printf("  total %.2f s, wire limit %.2f s + boot loader's answers and pauses %.2f s = %.2f s (%+.2f %%)\n",
                slow.wallS, wireS, answersS, wireS + answersS, (slow.wallS / (wireS + answersS) - 1) * 100);
    // The simulator is a process on the same machine: it too wakes late at times.
    auto timing = NamedFigures(dir.File("timing.txt"));
    const double ownS = answersS + timing["late_s"];
    std::printf("  boot loader's own lateness %.2f s over %.0f answers; against %.2f s + %.2f s = %.2f s: %+.2f %%\n",
                timing["late_s"], timing["late_writes"], wireS, ownS, wireS + ownS,
                (slow.wallS / (wireS + ownS) - 1) * 100);
    std::printf("  from an answer to the PC's next line, as the boot loader sees it: median %.3f ms, 99 %% within "
                "%.3f ms, longest %.1f ms, %.2f s in all over %.0f answers\n",
                timing["reaction_median_ms"], timing["reaction_p99_ms"], timing["reaction_max_ms"],
                timing["reaction_sum_s"], timing["reactions"]);
    std::printf("  fwload CPU %.3f s = %.3f %% of the wall time\n", slow.cpuS, slow.cpuS / slow.wallS * 100);

    double worstLateS = 0;
    const Run many = DownloadMany(dir, telephones, static_cast<int>((wireS + answersS) * 1000 * 2) + 60000, worstLateS);
    double load[1] = {0};
    ::getloadavg(load, 1);
    std::printf("%d telephones at once in one fwload, the same image each (load average %.2f):\n", telephones,
                load[0]);
    std::printf("  total %.2f s against %.2f s for one alone: %+.2f %% (the most late boot loader lost %.2f s itself)\n",
                many.wallS, slow.wallS, (many.wallS / slow.wallS - 1) * 100, worstLateS);
    std::printf("  fwload CPU %.3f s = %.3f %% of the wall time, %.3f %% per telephone\n", many.cpuS,
                many.cpuS / many.wallS * 100, many.cpuS / many.wallS * 100 / telephones);
    return fast.status == 0 && slow.status == 0 && many.status == 0 ? 0 : 1;
}
