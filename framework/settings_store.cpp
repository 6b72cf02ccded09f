#include "framework/settings_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

void CSettingsStore::SetRegistryKey(const QString& strOrganization, const QString& strApplication) {
    m_pSettings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              strOrganization, strApplication);
}

QString CSettingsStore::Key(const char* pszSection, const char* pszEntry) {
    return QString::fromUtf8(pszSection) + QLatin1Char('/') + QString::fromUtf8(pszEntry);
}

int CSettingsStore::GetProfileInt(const char* pszSection, const char* pszEntry,
                                  int nDefault) const {
    const QVariant value = GetProfileValue(pszSection, pszEntry);
    if (!value.isValid() || value.typeId() == QMetaType::QStringList) {
        return nDefault;
    }
    bool bOk = false;
    const int nValue = value.toString().trimmed().toInt(&bOk);
    return bOk ? nValue : nDefault;
}

QString CSettingsStore::GetProfileString(const char* pszSection, const char* pszEntry,
                                         const QString& strDefault) const {
    const QVariant value = GetProfileValue(pszSection, pszEntry);
    if (!value.isValid() || value.typeId() != QMetaType::QString) {
        return strDefault;
    }
    return value.toString();
}

QVariant CSettingsStore::GetProfileValue(const char* pszSection, const char* pszEntry) const {
    if (m_pSettings == nullptr) {
        return QVariant();
    }
    return m_pSettings->value(Key(pszSection, pszEntry));
}

void CSettingsStore::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) {
    WriteProfileValue(pszSection, pszEntry, nValue);
}

void CSettingsStore::WriteProfileString(const char* pszSection, const char* pszEntry,
                                        const QString& strValue) {
    WriteProfileValue(pszSection, pszEntry, strValue);
}

void CSettingsStore::WriteProfileValue(const char* pszSection, const char* pszEntry,
                                       const QVariant& value) {
    if (m_pSettings != nullptr) {
        m_pSettings->setValue(Key(pszSection, pszEntry), value);
    }
}

void CSettingsStore::RemoveProfileEntry(const char* pszSection, const char* pszEntry) {
    if (m_pSettings != nullptr) {
        m_pSettings->remove(Key(pszSection, pszEntry));
    }
}

bool CSettingsStore::Flush(std::string& strError) {
    if (m_pSettings == nullptr) {
        return true;
    }
    m_pSettings->sync();
    if (m_pSettings->status() == QSettings::NoError) {
        return true;
    }
    // QSettings keeps the reason to itself; opening the file the way it would be written
    // brings the operating system's answer back.
    const QByteArray path = QFile::encodeName(m_pSettings->fileName());
    const int nFile = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    const std::string strReason =
        nFile < 0 ? std::strerror(errno) : "the file could not be written";
    if (nFile >= 0) {
        ::close(nFile);
    }
    strError = "cannot write the settings file " + path.toStdString() + ": " + strReason;
    return false;
}
