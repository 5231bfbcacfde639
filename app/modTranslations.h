#pragma once

#include <QString>

// The program speaks the user's language where it has a translation, chosen from the system's
// languages in the user's order (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG on Linux), and its
// own English otherwise. It has no setting of its own. Call it once, after the QApplication exists
// and before the first window is built.
void LoadTranslations();

// The embedded translation of a language, "de" or "pt_BR", which may not exist.
QString TranslationFile(const QString &language);
