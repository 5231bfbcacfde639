// Text typed into a term limit box and left by Tab, in the number format the first byte picks:
// accepted text becomes a 32-bit limit equal to strtod's value rounded half to even, and a decimal
// number is refused only beyond 32 bits; refused text changes no setting and gives way to text that
// converts again.
#include "fuzzSupport.h"

#include "model/modSetupText.h"

#include <QLocale>
#include <QPointer>

#include <sanitizer/lsan_interface.h>

#include <clocale>
#include <cmath>
#include <iterator>

namespace
{

// A C decimal number as a user of the format may type it: with its decimal separator and the
// capital exponent, and the ASCII digits and signs that QLocale reads in any format.
QString inFormat(const QLocale &format, QString text)
{
    return text.replace(u'.', format.decimalPoint()).replace(u'e', u'E');
}

QPointer<frmSetup> setupWindow()
{
    static QPointer<frmSetup> window;
    if (!window) {
        startFuzzApplication();
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
    if (size == 0)
        return 0;
    frmSetup *window = setupWindow();
    auto *box = control<QLineEdit>(window, QStringLiteral("txtTerm1Low"));
    auto *next = control<QLineEdit>(window, QStringLiteral("txtTerm1High"));
    box->setFocus(Qt::TabFocusReason);

    // C, a decimal comma, and formats whose own minus sign, exponent or digits are not C's. The
    // first byte's value modulo their count picks one; seed files spell them '0' to '5'.
    static const QLocale formats[] = {QLocale(u"C"),     QLocale(u"de_DE"), QLocale(u"fi_FI"),
                                      QLocale(u"sv_SE"), QLocale(u"he_IL"), QLocale(u"ar_EG")};
    const QLocale &format = formats[data[0] % std::size(formats)];
    QLocale::setDefault(format);
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const bool decimal = isCDecimal(input.trimmed());
    box->setText(decimal ? inFormat(format, input) : input);
    const QString typed = box->text(); // as the box holds it, perhaps shortened
    const double reference =
        decimal ? std::nearbyint(std::strtod(input.trimmed().toLatin1().constData(), nullptr)) : 0;
    const bool whole = decimal && typed == inFormat(format, input);
    const std::array<std::int32_t, 4> before = {glTerm1Low, glTerm1High, glTerm2Low, glTerm2High};
    const std::optional<std::int32_t> converted = TermLimitFromText(typed);
    next->setFocus(Qt::TabFocusReason);

    if (converted) {
        FUZZ_CHECK(glTerm1Low == *converted && box->text() == typed, "taken over: %d", *converted);
        FUZZ_CHECK(!whole || reference == double(*converted), "reference %.17g, converted %d",
                   reference, *converted);
    } else {
        FUZZ_CHECK(!whole || reference > 2147483647.0 || reference < -2147483648.0, "refused %.17g",
                   reference);
        FUZZ_CHECK(glTerm1Low == before[0], "refused text changed the limit to %d", glTerm1Low);
        FUZZ_CHECK(TermLimitFromText(box->text()) == before[0], "put back \"%s\"",
                   qPrintable(box->text()));
    }
    QCoreApplication::processEvents(); // the repaints and whatever else a user's Tab sets off
    FUZZ_CHECK(glTerm1High == before[1] && glTerm2Low == before[2] && glTerm2High == before[3],
               "another limit changed");
    return 0;
}
