// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecentFileList.h"

#include "ProfileStore.h"

#include <QFile>
#include <QFileInfo>

namespace {

const char* const kSection = "Recent File List";

std::string KeyOf(int index)
{
    return "File" + std::to_string(index + 1);
}

QString Canonical(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

void RecentFileList::Load(const std::string& profilePath)
{
    const CProfileFile profile = ProfileStore::Read(profilePath);
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        // File names are bytes in the system's encoding, like the profile itself.
        const std::string value = profile.GetFullString(kSection, KeyOf(i));
        if (!value.empty())
            m_files.append(QFile::decodeName(QByteArray::fromStdString(value)));
    }
}

bool RecentFileList::Save(const std::string& profilePath) const
{
    return ProfileStore::Update(profilePath, [this](CProfileFile& profile) {
        for (int i = 0; i < kSize; ++i) {
            const QString file = i < m_files.size() ? m_files.at(i) : QString();
            profile.WriteString(kSection, KeyOf(i), QFile::encodeName(file).toStdString());
        }
    });
}

void RecentFileList::Add(const QString& path)
{
    const QString file = Canonical(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void RecentFileList::Remove(const QString& path)
{
    m_files.removeAll(Canonical(path));
}
