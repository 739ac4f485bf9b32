#include "base/Text.h"

#include <QDir>

namespace tarnwick {

bool endsWithSeparator(QStringView path)
{
    return path.endsWith(u'/') || path.endsWith(u'\\');
}

QString withTrailingSeparator(const QString& path)
{
    return endsWithSeparator(path) ? path : path + QDir::separator();
}

qsizetype lastSeparator(QStringView path)
{
    return qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

bool isBlank(QStringView text)
{
    return text.trimmed().isEmpty();
}

double leadingValue(QStringView text, bool* digits)
{
    const auto isDigit = [&](qsizetype i) { return text[i] >= u'0' && text[i] <= u'9'; };
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool any = false;
    while (i < text.size() && isDigit(i)) {
        ++i;
        any = true;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isDigit(i)) {
            ++i;
            any = true;
        }
    }
    if (digits)
        *digits = any;
    return any ? text.mid(start, i - start).toDouble() : 0.0;
}

} // namespace tarnwick
