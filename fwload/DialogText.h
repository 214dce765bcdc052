// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text conversions the download dialog's files share: the program's own
// texts are UTF-8, the telephone's bytes and file paths are not.
#include "FwStrings.h"
#include "Trace.h"

#include <QFile>
#include <QString>

#include <string>

namespace dialogtext {

inline void Trace(const char* operation)
{
    TraceLine("DownloadDialog", operation);
}

inline QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

inline QString Text(int id)
{
    return Utf8(FwString(id));
}

// The telephone's bytes may be anything; Latin-1 shows each one as one character.
inline QString Bytes(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString PathText(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

inline std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace dialogtext
