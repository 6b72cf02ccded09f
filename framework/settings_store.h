#pragma once

// The per-user settings store: QSettings in the native format under the organisation and
// application names the program has always used, so that one user's placement, bars, port
// and recent files come back at the next start. On Linux this is an INI file under the
// user's configuration folder; tests point that folder at a temporary directory with
// QSettings::setPath.

#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>
#include <string>

class CSettingsStore {
  public:
    void SetRegistryKey(const QString& strOrganization, const QString& strApplication);

    // A value that is missing, or that is not a whole number, gives nDefault.
    int GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) const;
    // A missing entry, or one that is not a single text, gives strDefault.
    QString GetProfileString(const char* pszSection, const char* pszEntry,
                             const QString& strDefault = QString()) const;
    QVariant GetProfileValue(const char* pszSection, const char* pszEntry) const;

    void WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue);
    void WriteProfileString(const char* pszSection, const char* pszEntry, const QString& strValue);
    void WriteProfileValue(const char* pszSection, const char* pszEntry, const QVariant& value);
    void RemoveProfileEntry(const char* pszSection, const char* pszEntry);

    // Writes everything to disk now. False when that failed; strError then names the
    // settings file and the operating system's reason.
    bool Flush(std::string& strError);

  private:
    static QString Key(const char* pszSection, const char* pszEntry);

    std::unique_ptr<QSettings> m_pSettings;
};
