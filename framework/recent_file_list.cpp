#include "framework/recent_file_list.h"

#include <QFile>
#include <algorithm>
#include <filesystem>

#include "framework/settings_store.h"

namespace {

constexpr const char* RECENT_SECTION = "Recent File List";
const QString ELLIPSIS = QStringLiteral("...");

std::string EntryName(int nIndex) {
    return "File" + std::to_string(nIndex + 1);
}

}  // namespace

void CRecentFileList::Add(const std::string& strPath) {
    std::error_code error;
    std::filesystem::path absolutePath = std::filesystem::absolute(strPath, error);
    const std::string strAbsolute = error ? strPath : absolutePath.lexically_normal().string();
    std::erase(m_entries, strAbsolute);
    m_entries.insert(m_entries.begin(), strAbsolute);
    if (Size() > m_nMaxEntries) {
        m_entries.resize(static_cast<std::size_t>(m_nMaxEntries));
    }
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex >= 0 && nIndex < Size()) {
        m_entries.erase(m_entries.begin() + nIndex);
    }
}

void CRecentFileList::ReadList(const CSettingsStore& settings) {
    m_entries.clear();
    for (int nIndex = 0; nIndex < m_nMaxEntries; ++nIndex) {
        const QVariant value = settings.GetProfileValue(RECENT_SECTION, EntryName(nIndex).c_str());
        // A name that is not valid UTF-8 is kept as raw bytes, everything else as text.
        std::string strPath;
        if (value.typeId() == QMetaType::QByteArray) {
            strPath = value.toByteArray().toStdString();
        } else if (value.typeId() == QMetaType::QString) {
            strPath = QFile::encodeName(value.toString()).toStdString();
        }
        if (!strPath.empty()) {
            m_entries.push_back(strPath);
        }
    }
}

void CRecentFileList::WriteList(CSettingsStore& settings) const {
    for (int nIndex = 0; nIndex < m_nMaxEntries; ++nIndex) {
        const std::string strName = EntryName(nIndex);
        if (nIndex >= Size()) {
            settings.RemoveProfileEntry(RECENT_SECTION, strName.c_str());
            continue;
        }
        const QByteArray bytes = QByteArray::fromStdString(m_entries[nIndex]);
        const QString strText = QFile::decodeName(bytes);
        if (QFile::encodeName(strText) == bytes) {
            settings.WriteProfileString(RECENT_SECTION, strName.c_str(), strText);
        } else {
            settings.WriteProfileValue(RECENT_SECTION, strName.c_str(), bytes);
        }
    }
}

QString CRecentFileList::DisplayName(const std::string& strPath, int nMaxLength) {
    const QString strFull = QFile::decodeName(QByteArray::fromStdString(strPath));
    if (strFull.size() <= nMaxLength) {
        return strFull;
    }
    const qsizetype nLastSlash = strFull.lastIndexOf(QLatin1Char('/'));
    const QString strName = strFull.mid(nLastSlash + 1);
    if (strName.size() > nMaxLength) {
        // Even the name is too long: its start and its end, so the extension still shows.
        const qsizetype nTail = (nMaxLength - ELLIPSIS.size()) / 2;
        return strName.left(nMaxLength - ELLIPSIS.size() - nTail) + ELLIPSIS + strName.right(nTail);
    }
    // The first folder, then "...", then as many of the last folders as fit.
    const qsizetype nFirstEnd = strFull.indexOf(QLatin1Char('/'), 1);
    const QString strHead = strFull.left(nFirstEnd + 1) + ELLIPSIS;
    QString strTail = QLatin1Char('/') + strName;
    qsizetype nCut = nLastSlash;
    while (nCut > nFirstEnd) {
        const qsizetype nPrevious = strFull.lastIndexOf(QLatin1Char('/'), nCut - 1);
        const QString strLonger = strFull.mid(nPrevious);
        if (nPrevious <= nFirstEnd || strHead.size() + strLonger.size() > nMaxLength) {
            break;
        }
        strTail = strLonger;
        nCut = nPrevious;
    }
    if (strHead.size() + strTail.size() <= nMaxLength) {
        return strHead + strTail;
    }
    if (ELLIPSIS.size() + 1 + strName.size() <= nMaxLength) {
        return ELLIPSIS + QLatin1Char('/') + strName;
    }
    return strName;
}
