// The text of a stored window position: a value used is a finite number of twips a screen
// coordinate can hold, equal to strtod's value in single precision rounded half to even; anything
// else gives nothing, so the window takes the default.
#include "fuzzSupport.h"

#include "model/modStoredPosition.h"
#include "widgets/modWindowPosition.h"

#include <clocale>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool cLocale = std::setlocale(LC_NUMERIC, "C") != nullptr;
    (void)cLocale;
    constexpr double Largest = 32767.0 * 15.0;

    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<int> position = ParseStoredPosition(text);
    if (position)
        FUZZ_CHECK(std::abs(*position) <= Largest, "position %d", *position);

    const QString trimmed = text.trimmed();
    if (!isCDecimal(trimmed)) {
        FUZZ_CHECK(!position, "\"%s\" read as %d", qPrintable(trimmed), *position);
        return 0;
    }
    // The reference takes the decimal to double, then to single precision, as the store's reader
    // is to; a double beyond single precision is no position either way.
    const double value = std::strtod(trimmed.toLatin1().constData(), nullptr);
    std::optional<int> expected;
    if (std::fabs(value) <= 2 * Largest && std::fabs(float(value)) <= Largest)
        expected = int(std::nearbyint(float(value)));
    FUZZ_CHECK(position == expected, "\"%s\": expected %d, read %d", qPrintable(trimmed),
               expected.value_or(-1), position.value_or(-1));
    return 0;
}
