// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the PC answers on the line: from the moment the telephone's ACK or
// frame arrives at the port to the moment the PC's next line is written,
// for configuration writes and reads against the simulated telephone. The
// protocol's 300 ms pauses are left out.
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
    CTrans trans(data, port, host);
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    IdentityScope identity;
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
    return writes.empty() || reads.empty() ? 1 : 0;
}
