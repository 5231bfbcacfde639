#pragma once

#include "core/modAppearance.h"
#include "core/modGlobalsConstants.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Every suite runs headless against a settings store in a temporary folder, so no test ever reads
// or writes the real user's window positions.
#define TALLYWICK_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()                            \
                                       ? QByteArray("offscreen")                                   \
                                       : qgetenv("QT_QPA_PLATFORM"));                              \
        QTemporaryDir store;                                                                       \
        if (!store.isValid())                                                                      \
            return 1;                                                                              \
        qputenv("XDG_CONFIG_HOME", store.path().toLocal8Bit());                                    \
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());           \
        QApplication application(argc, argv);                                                      \
        QApplication::setApplicationName(QString::fromLatin1(ApplicationName));                    \
        QApplication::setOrganizationName(QString::fromLatin1(ApplicationName));                   \
        LoadProgramFonts();                                                                        \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
