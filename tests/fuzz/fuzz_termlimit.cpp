// Text typed into a term limit box and left by Tab: accepted text becomes a 32-bit limit equal to
// strtod's value rounded half to even; refused text changes no setting and gives way to text that
// converts again.
#include "fuzzSupport.h"

#include "setup/modSetupText.h"

#include <QLocale>
#include <QPointer>

#include <sanitizer/lsan_interface.h>

#include <clocale>
#include <cmath>

namespace
{

QPointer<frmSetup> setupWindow()
{
    static QPointer<frmSetup> window;
    if (!window) {
        startFuzzApplication();
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, "C");
        window = new frmSetup;
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            std::abort();
    }
    return window;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Starting Qt, and text in an unusual script, send Qt's fonts to fontconfig, whose caches
    // LeakSanitizer takes for leaks; what the window allocates is checked by the sanitizer tests.
    __lsan::ScopedDisabler fontconfigCaches;
    frmSetup *window = setupWindow();
    auto *box = control<QLineEdit>(window, QStringLiteral("txtTerm1Low"));
    auto *next = control<QLineEdit>(window, QStringLiteral("txtTerm1High"));
    box->setFocus(Qt::TabFocusReason);

    box->setText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QString typed = box->text(); // as the box holds it, perhaps shortened
    const std::array<std::int32_t, 4> before = {glTerm1Low, glTerm1High, glTerm2Low, glTerm2High};
    const std::optional<std::int32_t> converted = TermLimitFromText(typed);
    next->setFocus(Qt::TabFocusReason);

    if (converted) {
        FUZZ_CHECK(glTerm1Low == *converted && box->text() == typed, "taken over: %d", *converted);
        const QString trimmed = typed.trimmed();
        if (isCDecimal(trimmed)) {
            const double reference =
                std::nearbyint(std::strtod(trimmed.toLatin1().constData(), nullptr));
            FUZZ_CHECK(reference == double(*converted), "reference %.17g, converted %d", reference,
                       *converted);
        }
    } else {
        FUZZ_CHECK(glTerm1Low == before[0], "refused text changed the limit to %d", glTerm1Low);
        FUZZ_CHECK(TermLimitFromText(box->text()) == before[0], "put back \"%s\"",
                   qPrintable(box->text()));
    }
    QCoreApplication::processEvents(); // the repaints and whatever else a user's Tab sets off
    FUZZ_CHECK(glTerm1High == before[1] && glTerm2Low == before[2] && glTerm2High == before[3],
               "another limit changed");
    return 0;
}
