#pragma once

// The recent-file list: the last few image files opened or saved under a new name, newest
// first, kept in the settings section "Recent File List" as "File1", "File2", ... and shown
// in the File menu. Paths are the user's bytes, exactly as the file system knows them.

#include <QString>
#include <string>
#include <vector>

class CSettingsStore;

class CRecentFileList {
  public:
    explicit CRecentFileList(int nMaxEntries) : m_nMaxEntries(nMaxEntries) {}

    // Puts the file (made absolute) at the top; an entry for the same file moves up.
    void Add(const std::string& strPath);
    void Remove(int nIndex);
    int Size() const { return static_cast<int>(m_entries.size()); }
    const std::string& Entry(int nIndex) const { return m_entries[nIndex]; }

    void ReadList(const CSettingsStore& settings);
    void WriteList(CSettingsStore& settings) const;

    // The path as the menu shows it: at most nMaxLength characters, keeping the file's name
    // and as much of its folders as fits ("/home/.../images/boot.bin"); a name that alone is
    // too long keeps its start and its end ("a rather long ...r the menu.bin").
    static QString DisplayName(const std::string& strPath, int nMaxLength);

  private:
    int m_nMaxEntries;
    std::vector<std::string> m_entries;
};
