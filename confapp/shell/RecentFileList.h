// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The most recently used document files, newest first, kept in the profile
// under "Recent File List" as "File1" to "File4".
#include <QStringList>

#include <string>

class RecentFileList {
public:
    static constexpr int kSize = 4;

    void Load(const std::string& profilePath);
    bool Save(const std::string& profilePath) const;

    // Puts the file first; an entry for the same file moves instead of doubling.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};
