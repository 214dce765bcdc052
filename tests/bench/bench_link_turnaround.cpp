// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the PC answers on the line: from the moment the telephone's ACK or
// frame arrives at the port to the moment the PC's next line is written,
// for configuration writes and reads against the simulated telephone. The
// protocol's 300 ms pauses are left out. Then how true the simulated
// telephone's pacing is when it plays a 9600 baud 8N1 line: reads from it
// against reads from one that answers at once, and its own delays against
// the line's time for what it sent.
#include "CData_All.h"
#include "CSio.h"
#include "CTrans.h"
#include "ChildProcess.h"
#include "QtTransferHost.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class NoPauseHost : public QtTransferHost {
public:
    void Delay(int) override {}
};

// The port as the link sees it, taking the time of every line written
// against the time the last bytes arrived.
class MeasuredPort : public ISerialPort, public ISioNotify {
public:
    MeasuredPort(CSio& sio, ITransferHost& host) : m_sio(sio), m_host(host) {}

    std::function<void()> onReceive;
    std::vector<double> samplesUs;

    void PostCommNotify(int notice) override
    {
        if (notice != CN_RECEIVE)
            return;
        m_arrival.store(Clock::now().time_since_epoch().count());
        m_host.Post([this] { onReceive(); });
    }
    int Read(unsigned char* buffer, int max) override { return m_sio.Read(buffer, max); }
    int Write(const unsigned char* bytes, int len) override
    {
        const auto arrival = m_arrival.exchange(0);
        if (arrival != 0) {
            const auto waited = Clock::now().time_since_epoch().count() - arrival;
            samplesUs.push_back(std::chrono::duration<double, std::micro>(Clock::duration(waited)).count());
        }
        return m_sio.Write(bytes, len);
    }

private:
    CSio& m_sio;
    ITransferHost& m_host;
    std::atomic<Clock::rep> m_arrival{0};
};

std::vector<double> RunTransfer(const std::string& device, int firstState)
{
    CData_All data;
    NoPauseHost host;
    CSio sio;
    MeasuredPort port(sio, host);
    CTrans trans(data, TestSwitches(), port, host);
    QEventLoop loop;
    host.onTimer = [&](int id) {
        if (id == 1)
            trans.StateGet() == CTrans::STATE_END || trans.StateGet() == CTrans::STATE_ERR ? loop.quit() : void();
        else
            trans.OnTimer(id);
    };
    port.onReceive = [&] { trans.OnRxL1(); };
    sio.SetParams("9600,8N1");
    sio.SetPortNumber(1);
    sio.SetDevicePath(device);
    if (!sio.Open(&port))
        return {};
    trans.StateSet(firstState);
    host.SetTimer(1, 5);
    loop.exec();
    if (trans.StateGet() != CTrans::STATE_END)
        std::fprintf(stderr, "transfer failed in state %d\n", trans.StateGet());
    return port.samplesUs;
}

void Report(const char* what, std::vector<double> samples)
{
    if (samples.empty()) {
        std::printf("%-22s no samples\n", what);
        return;
    }
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) { return samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1))]; };
    std::printf("%-22s frames %4zu  median %7.1f us  p90 %7.1f us  max %7.1f us\n", what, samples.size(), at(0.5),
                at(0.9), samples.back());
}

double ReadSeconds(const std::string& device)
{
    const auto start = Clock::now();
    RunTransfer(device, CTrans::STATE_READ_CFG);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void ReportPacing(PtyPeer& fast)
{
    constexpr int kReads = 3;
    TempDir dir;
    SimulatedTelephone paced({"--ready-delay", "0", "--throttle", "--sessions", std::to_string(kReads), "--timing",
                              dir.File("timing.txt")});
    double pacedS = 0, fastS = 0;
    for (int round = 0; round < kReads; ++round) {
        QThread::msleep(200);
        fastS += ReadSeconds(fast.Device());
        QThread::msleep(200);
        pacedS += ReadSeconds(paced.Device());
    }
    paced.Wait(5000);
    auto t = NamedFigures(dir.File("timing.txt"));
    const double lineS = t["bytes_written"] * 10 / 9600;
    std::printf("configuration read from a telephone paced at 9600 8N1, %d times: %.2f s each, unpaced %.2f s\n",
                kReads, pacedS / kReads, fastS / kReads);
    std::printf("  its %.0f bytes take the line %.3f s; it ended its %.0f bursts %.4f s late in all: %+.2f %% "
                "(single writes late by up to %.2f ms, caught up within the burst)\n",
                t["bytes_written"], lineS, t["drains"], t["drain_late_s"], t["drain_late_s"] / lineS * 100,
                t["late_max_ms"]);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        const bool help = std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h";
        std::fputs("Usage: bench_link_turnaround (no options)\n"
                   "Measures the PC's turnaround on the line and the simulated telephone's pacing.\n",
                   help ? stdout : stderr);
        return help ? 0 : 2;
    }
    QCoreApplication app(argc, argv);
    SimulatedTelephone phone({"--ready-delay", "0"});
    std::vector<double> writes, reads;
    for (int round = 0; round < 3; ++round) {
        // The telephone notices a new session by the port being opened again;
        // give it a moment between two transfers, as a person would.
        QThread::msleep(200);
        const auto w = RunTransfer(phone.Device(), CTrans::STATE_WRITE_CFG);
        writes.insert(writes.end(), w.begin(), w.end());
        QThread::msleep(200);
        const auto r = RunTransfer(phone.Device(), CTrans::STATE_READ_CFG);
        reads.insert(reads.end(), r.begin(), r.end());
    }
    std::printf("PC turnaround per frame (arrival at the port to the next line written):\n");
    Report("configuration write", writes);
    Report("configuration read", reads);
    ReportPacing(phone);
    return writes.empty() || reads.empty() ? 1 : 0;
}
