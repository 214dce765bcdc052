// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportTextCheck.h"

#include "AtomicFile.h"

namespace {

// The conversion, kept in this one place: iconv turns UTF-8 into
// Windows-1252 (//TRANSLIT: a character it lacks becomes its nearest
// letter or "?", which the import skips, instead of stopping iconv), sed
// ends every line in exactly one CR before the LF.
constexpr std::string_view kToWindows1252 = "iconv -f UTF-8 -t WINDOWS-1252//TRANSLIT";
constexpr std::string_view kToCrLf = "sed 's/\\r*$/\\r/'";

// Length of the UTF-8 sequence that starts with lead, 0 for a byte that
// cannot start one (overlong forms and surrogates are not told apart).
int SequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = SequenceLength(lead);
        if (length == 0 || i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

bool HasHighBytes(std::string_view bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) > 127)
            return true;
    return false;
}

// A file name as one word for the shell.
std::string Quoted(std::string_view path)
{
    std::string quoted = "'";
    for (char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// "buch.txt" becomes "buch-cp1252.txt".
std::string ConvertedName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return hasExtension ? path.substr(0, dot) + "-cp1252" + path.substr(dot) : path + "-cp1252";
}

} // namespace

std::string ImportTextHint(std::string_view bytes, const std::string& path)
{
    const bool lineFeedsOnly = bytes.find('\n') != std::string_view::npos && bytes.find('\r') == std::string_view::npos;
    const bool utf8 = IsValidUtf8(bytes);
    const bool utf8Letters = utf8 && HasHighBytes(bytes);
    if (!lineFeedsOnly && !utf8Letters)
        return {};
    std::string hint = "Die Datei ";
    if (lineFeedsOnly)
        hint += "beendet ihre Zeilen nur mit einem Zeilenvorschub (LF) ohne Wagenrücklauf (CR); der Import "
                "liest sie deshalb als eine einzige Zeile.";
    if (lineFeedsOnly && utf8Letters)
        hint += " Außerdem ";
    if (utf8Letters)
        hint += std::string(lineFeedsOnly ? "ist sie" : "ist") +
                " in UTF-8 geschrieben; Umlaute und ß kommen so nicht an.";
    hint += " Erwartet wird Text in Windows-1252 mit CR LF am Zeilenende. Umwandeln mit:\n  ";
    // A file that is not UTF-8 is taken to be Windows-1252 already.
    if (utf8)
        hint += std::string(kToWindows1252) + " " + Quoted(path) + " | " + std::string(kToCrLf);
    else
        hint += std::string(kToCrLf) + " " + Quoted(path);
    return hint + " > " + Quoted(ConvertedName(path));
}

std::string ImportFileHint(const std::string& path)
{
    std::string bytes;
    std::string error;
    if (ReadWholeFile(path, bytes, error) != ReadStatus::Read)
        return {};
    return ImportTextHint(bytes, path);
}
