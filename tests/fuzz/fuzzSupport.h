#pragma once

#include "testSupport.h"

#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A failed property ends the run with the input libFuzzer saves as a crash.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s\n", #condition);                             \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fputc('\n', stderr);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The headless application the targets that need Qt share, made on the first input. It is never
// destroyed: libFuzzer ends by exit(), after Qt's own globals are gone. Only its store goes.
inline void startFuzzApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static HeadlessRun *run = nullptr;
    if (run)
        return;
    // Random text makes Qt warn about every font without its script; that is no finding.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtFatalMsg || type == QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    run = new HeadlessRun(argc, argv);
    if (!run->ready)
        std::abort();
    run->store.setAutoRemove(false);
    static const std::string store = run->store.path().toStdString();
    std::atexit([] { std::filesystem::remove_all(store); });
}

// A plain decimal number as the C locale writes it: the texts the slow references understand.
inline bool isCDecimal(const QString &text)
{
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    return decimal.match(text).hasMatch();
}
