#include "widgets/modSettingsStore.h"

#include <QCoreApplication>

QSettings OpenSettingsStore()
{
    const QString name = QCoreApplication::applicationName();
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

std::optional<QString> ReadStoredText(const QString &section, const QString &key)
{
    // A value the file gives as something else, a list for one, reads as its text or as empty.
    const QVariant value = OpenSettingsStore().value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void WriteStoredTexts(const QString &section, const QList<std::pair<QString, QString>> &values)
{
    QSettings store = OpenSettingsStore();
    store.beginGroup(section);
    for (const auto &[key, text] : values)
        store.setValue(key, text);
    store.sync();
}
