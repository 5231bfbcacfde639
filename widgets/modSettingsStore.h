#pragma once

#include <QList>
#include <QSettings>
#include <QString>

#include <optional>
#include <utility>

// The platform's per-user settings store, in which the windows keep their positions: text values
// addressed by section and key under the running application's name. On Windows it is the registry
// key HKEY_CURRENT_USER\Software\<application> with a subkey per section; elsewhere it is Qt's
// per-user settings file, ~/.config/<application>/<application>.conf on Linux.

// The text stored under the key, or nothing where it is absent or holds no text.
std::optional<QString> ReadStoredText(const QString &section, const QString &key);

// Creates or replaces the section's values, in the order given. A store that cannot be written
// keeps what it held.
void WriteStoredTexts(const QString &section, const QList<std::pair<QString, QString>> &values);

// The whole store, for looking at it or clearing it as a whole.
QSettings OpenSettingsStore();
