// SPDX-License-Identifier: GPL-3.0-or-later
#include "PtyLine.h"

#include "CSio.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

PtyLine::PtyLine() : m_master(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK))
{
    if (m_master >= 0 && ::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0)
        m_device = ::ptsname(m_master);
    if (m_device.empty())
        ADD_FAILURE() << "no pseudo-terminal";
}

PtyLine::~PtyLine()
{
    if (m_master >= 0)
        ::close(m_master);
}

void PtyLine::Write(std::string_view bytes)
{
    EXPECT_EQ(::write(m_master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

std::string PtyLine::Received(int firstByteMs)
{
    std::string bytes;
    pollfd fd{m_master, POLLIN, 0};
    for (int wait = firstByteMs; ::poll(&fd, 1, wait) > 0; wait = 50) {
        char buf[256];
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n <= 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    return bytes;
}

bool PtyLine::ReadByte(char& c)
{
    return ::read(m_master, &c, 1) == 1;
}

struct PortHolder::Impl : ISioNotify {
    void PostCommNotify(int) override {}
    CSio sio;
};

PortHolder::PortHolder(const std::string& device) : m_impl(new Impl)
{
    m_impl->sio.SetParams("9600,8N1");
    m_impl->sio.SetPortNumber(1);
    m_impl->sio.SetDevicePath(device);
    m_impl->sio.Open(m_impl);
}

PortHolder::~PortHolder()
{
    delete m_impl;
}

bool PortHolder::IsOpen() const
{
    return m_impl->sio.IsOpen();
}
