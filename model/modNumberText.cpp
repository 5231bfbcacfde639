#include "model/modNumberText.h"

#include <QRegularExpression>
#include <QStringView>

#include <algorithm>
#include <iterator>
#include <utility>

namespace
{

// The text with the number format's own sign, separator, exponent and digit characters, and the
// ASCII and Unicode ones QLocale also takes in any format, spelt as C spells them, so that one
// pattern recognises a plain decimal number in any format. Any other character, such as a group
// separator, becomes one that no number holds.
QString inCForm(const QLocale &locale, const QString &text)
{
    const std::pair<QString, QChar> symbols[] = {
        {locale.negativeSign(), u'-'},
        {locale.positiveSign(), u'+'},
        {locale.decimalPoint(), u'.'},
        {locale.exponential(), u'e'},
    };
    const QString zero = locale.zeroDigit();
    QString cForm;
    for (qsizetype at = 0; at < text.size();) {
        const auto symbol =
            std::find_if(std::begin(symbols), std::end(symbols), [&](const auto &s) {
                return !s.first.isEmpty() &&
                       QStringView(text).mid(at).startsWith(s.first, Qt::CaseInsensitive);
            });
        if (symbol != std::end(symbols)) {
            cForm += symbol->second;
            at += symbol->first.size();
            continue;
        }
        const QChar character = text.at(at++);
        const int digit = zero.size() == 1 ? character.unicode() - zero.at(0).unicode() : -1;
        // QLocale reads these in every number format, beside the format's own characters.
        if ((character >= u'0' && character <= u'9') || character == u'-' || character == u'+')
            cForm += character;
        else if (character == u'\u2212')
            cForm += u'-';
        else if (character == u'E')
            cForm += u'e';
        else if (digit >= 0 && digit <= 9)
            cForm += QChar(u'0' + digit);
        else
            cForm += u'?';
    }
    return cForm;
}

} // namespace

std::optional<double> NumberFromText(const QLocale &locale, const QString &text)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok)
        return value;
    // QLocale refuses a number too small for a double with 0, as it refuses text that is no
    // number; a number too large comes back infinite. Spelt in C form, the tiny number is a plain
    // decimal number that the C format refuses in the same way, where text that the user's format
    // refused for its own reasons (a misplaced group separator) reads in C form.
    if (value != 0.0)
        return std::nullopt;
    static const QRegularExpression plainDecimal(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString cForm = inCForm(locale, text);
    if (!plainDecimal.match(cForm).hasMatch())
        return std::nullopt;
    bool cOk = false;
    const double cValue = QLocale::c().toDouble(cForm, &cOk);
    if (cOk || cValue != 0.0)
        return std::nullopt;
    return 0.0;
}
