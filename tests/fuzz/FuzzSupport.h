// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the fuzz targets: reading choices out of the input, the
// program identity the input asks for, and a private scratch folder for the
// files a target writes (so nothing is written anywhere else).
#include "Derivat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Takes values from the front of the input; an exhausted input gives zeros
// and empty texts.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return m_rest.empty(); }
    std::size_t Size() const { return m_rest.size(); }
    std::uint8_t Byte();
    bool Bool() { return (Byte() & 1) != 0; }
    // A value in [min, max], from as many bytes as the range needs.
    int IntIn(int min, int max);
    // Up to max bytes, the count taken from the input first.
    std::string_view Text(std::size_t max);
    // Text up to the next NUL byte (which is dropped), or the rest.
    std::string_view Field();
    std::string_view Rest();

private:
    std::string_view m_rest;
};

// The switches of an identity (brand, firmware version, which halves exist,
// phone type) chosen by a selector byte.
CDerivat FuzzIdentity(std::uint8_t selector);

// The scratch folder; created on first use (which also switches the trace
// off for the process, or onto stderr with MV_FUZZ_TRACE set), removed when
// the process exits normally.
const std::string& FuzzScratchDir();
std::string FuzzScratchFile(std::string_view name);
void FuzzWriteFile(const std::string& path, std::string_view bytes);

// Reports a broken promise of the code under test and stops, so that
// libFuzzer keeps the input.
[[noreturn]] void FuzzFail(const std::string& what, const std::string& detail = {});
