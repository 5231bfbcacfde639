#pragma once

#include <QByteArray>

// Tells the user why the program cannot start, where a user of the platform sees it, and ends the
// run with a failure and without a core dump. The text is in the local 8-bit encoding, in lines
// that each end in a newline.
[[noreturn]] void ReportStartupFailure(const QByteArray &text);
