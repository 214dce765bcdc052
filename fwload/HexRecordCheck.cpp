// SPDX-License-Identifier: GPL-3.0-or-later
#include "HexRecordCheck.h"

#include "CChangeToIntel.h"

#include <cstdio>

namespace {

// ":", length, address (two bytes), type, checksum.
constexpr std::size_t kShortestRecord = 11;
constexpr int kEndOfFile = 0x01;

// The byte whose two digits start at pos; the digits are known to be sound.
int ByteAt(std::string_view record, std::size_t pos)
{
    return HexDigitValue(record[pos]) * 16 + HexDigitValue(record[pos + 1]);
}

std::string Hex(int byte)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte & 0xFF);
    return text;
}

// A character as the user can find it in an editor; control and 8-bit bytes by their code.
std::string Shown(char c)
{
    if (c > ' ' && c < 0x7F)
        return std::string("\"") + c + "\"";
    return "das Byte " + Hex(static_cast<unsigned char>(c));
}

// The line as the image sends it.
std::string Stripped(std::string_view line)
{
    std::string wire;
    for (const char c : line)
        if (c != '\r' && c != ' ')
            wire += c;
    return wire;
}

// Why the record cannot go out; empty when it is sound.
std::string RecordFault(std::string_view record)
{
    if (record[0] != ':')
        return "beginnt mit " + Shown(record[0]) + " statt mit \":\"";
    for (const char c : record.substr(1))
        if (HexDigitValue(c) < 0)
            return Shown(c) + " ist keine Hexziffer";
    if (record.size() < kShortestRecord)
        return "zu kurz für einen Datensatz (" + std::to_string(record.size()) + " Zeichen, mindestens " +
               std::to_string(kShortestRecord) + ")";
    const int length = ByteAt(record, 1);
    const std::size_t expected = kShortestRecord + 2 * static_cast<std::size_t>(length);
    if (record.size() != expected)
        return "Längenbyte " + Hex(length) + " verlangt " + std::to_string(expected) + " Zeichen, die Zeile hat " +
               std::to_string(record.size());
    int sum = 0;
    for (std::size_t pos = 1; pos + 2 < record.size(); pos += 2)
        sum += ByteAt(record, pos);
    const int given = ByteAt(record, record.size() - 2);
    const int wanted = -sum & 0xFF;
    if (given != wanted)
        return "Prüfsumme " + Hex(given) + ", erwartet " + Hex(wanted);
    return {};
}

HexFileFault Fault(HexFileFault::Kind kind, std::size_t line, const std::string& reason)
{
    return {kind, line, "Zeile " + std::to_string(line) + ": " + reason};
}

} // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

HexFileFault CheckHexRecords(std::string_view text)
{
    std::size_t endLine = 0;
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t lf = text.find('\n');
        const std::string record = Stripped(text.substr(0, lf));
        text = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
        // Not sent at all: the image leaves empty lines out.
        if (record.empty())
            continue;
        if (endLine != 0)
            return Fault(HexFileFault::Kind::BadRecord, number,
                         "steht hinter dem Ende-Datensatz in Zeile " + std::to_string(endLine));
        if (record.size() + 1 > CChangeToIntel::kMaxLineLength)
            return Fault(HexFileFault::Kind::LineTooLong, number,
                         std::to_string(record.size() + 1) + " Zeichen mit dem Zeilenende, höchstens " +
                             std::to_string(CChangeToIntel::kMaxLineLength) + " sind möglich");
        if (const std::string fault = RecordFault(record); !fault.empty())
            return Fault(HexFileFault::Kind::BadRecord, number, fault);
        if (ByteAt(record, 7) == kEndOfFile)
            endLine = number;
    }
    if (endLine == 0)
        return {HexFileFault::Kind::BadRecord, 0,
                "Der Ende-Datensatz (:00000001FF) fehlt, die Datei ist also unvollständig"};
    return {};
}
