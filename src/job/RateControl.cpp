#include "job/RateControl.h"

#include <QRegularExpression>

#include <cmath>

namespace tarnwick {

std::optional<qint64> parseSize(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,16}(?:[.,]\\d{1,9})?)\\s*([kmgt]?)(i?)(b?)\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString number = m.captured(1);
    number.replace(u',', u'.');
    const double value = number.toDouble();
    const QString unit = m.captured(2).toLower();
    const bool binary = !m.captured(3).isEmpty();
    // "B" alone, or "iB" without a unit before it, is no size people write.
    if (unit.isEmpty() && (binary || !m.captured(4).isEmpty()))
        return std::nullopt;
    const double base = binary ? 1024.0 : 1000.0;
    const int power = unit == u"k" ? 1 : unit == u"g" ? 3 : unit == u"t" ? 4 : 2; // bare: megabytes
    const double bytes = value * std::pow(base, power);
    if (!(bytes >= 1) || bytes > 1e15)
        return std::nullopt;
    return qint64(std::floor(bytes));
}

QString sizeText(qint64 bytes, bool roundUp)
{
    const char* unit = "KB";
    double value = double(bytes) / 1e3;
    if (bytes >= 1000000000) {
        unit = "GB";
        value = double(bytes) / 1e9;
    } else if (bytes >= 1000000) {
        unit = "MB";
        value = double(bytes) / 1e6;
    }
    const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
    const double scale = std::pow(10.0, decimals);
    // A value a hair above a round one (24.000001) is that round one.
    value = (roundUp ? std::ceil(value * scale - 1e-6) : std::round(value * scale)) / scale;
    QString number = QString::number(value, 'f', decimals);
    if (number.contains(u'.')) {
        while (number.endsWith(u'0'))
            number.chop(1);
        if (number.endsWith(u'.'))
            number.chop(1);
    }
    return number + u' ' + QLatin1String(unit);
}

} // namespace tarnwick
