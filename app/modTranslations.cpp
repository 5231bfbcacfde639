#include "app/modTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

// As gettext does, the C and POSIX locales mean the program's own English whatever LANGUAGE
// lists; Qt would read LANGUAGE even then.
bool messagesInCLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value == "C" || value == "POSIX";
    }
    return false;
}

bool install(const QString &file, const QString &folder = QString())
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

QString TranslationFile(const QString &language)
{
    return QStringLiteral(":/i18n/tallywick_%1.qm").arg(language);
}

void LoadTranslations()
{
    if (messagesInCLocale())
        return;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        // English is the source: a user who lists it before another language gets it.
        if (language == QLatin1String("C") || language == QLatin1String("en") ||
            language.startsWith(QLatin1String("en_")))
            return;
        if (install(TranslationFile(language))) {
            // The term boxes' context menu is Qt's own, translated where Qt's translations are
            // installed (Debian's qt6-translations-l10n).
            install(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}
