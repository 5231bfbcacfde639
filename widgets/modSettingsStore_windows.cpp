#include "widgets/modSettingsStore.h"

#include <QCoreApplication>

#include <windows.h>

#include <cwchar>
#include <string>

namespace
{

// The application's key under HKEY_CURRENT_USER, or one section's subkey of it.
QString applicationKey()
{
    return QStringLiteral("Software\\") + QCoreApplication::applicationName();
}

std::wstring sectionKey(const QString &section)
{
    return (applicationKey() + QLatin1Char('\\') + section).toStdWString();
}

} // namespace

QSettings OpenSettingsStore()
{
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\") + applicationKey(),
                     QSettings::NativeFormat);
}

std::optional<QString> ReadStoredText(const QString &section, const QString &key)
{
    // Only a string value is text. A number, binary data or a list, as a hand edit in the registry
    // editor may leave, counts as absent, and the system ends the text it hands over.
    const std::wstring path = sectionKey(section);
    const std::wstring name = key.toStdWString();
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    // Room for an odd byte count and the end the system adds.
    std::wstring text(bytes / sizeof(wchar_t) + 2, L'\0');
    bytes = DWORD(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                     text.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(std::wcslen(text.c_str()));
    return QString::fromStdWString(text);
}

void WriteStoredTexts(const QString &section, const QList<std::pair<QString, QString>> &values)
{
    HKEY key = nullptr;
    // A key the user may not write is left alone: the positions of this run are lost, the stored
    // ones stay.
    if (RegCreateKeyExW(HKEY_CURRENT_USER, sectionKey(section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    for (const auto &[name, text] : values) {
        const std::wstring value = text.toStdWString();
        RegSetValueExW(key, name.toStdWString().c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE *>(value.c_str()),
                       DWORD((value.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}
