#include "base/Text.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <iterator>

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

namespace columns {

struct Range
{
    char32_t first;
    char32_t last;
};

// The blocks of the scripts written in wide and fullwidth characters
// (Unicode's East Asian Width W and F), in order. Wide symbols and emoji are
// left at one column: no text of the program's has them.
constexpr Range kWide[] = {
    {0x1100, 0x115F},   // Hangul leading consonants
    {0x2E80, 0x303E},   // CJK radicals, symbols and punctuation
    {0x3041, 0x33FF},   // kana, Bopomofo, Hangul compatibility letters, CJK compatibility
    {0x3400, 0x4DBF},   // CJK extension A
    {0x4E00, 0x9FFF},   // CJK unified ideographs
    {0xA000, 0xA4CF},   // Yi
    {0xA960, 0xA97F},   // Hangul extended A
    {0xAC00, 0xD7A3},   // Hangul syllables
    {0xF900, 0xFAFF},   // CJK compatibility ideographs
    {0xFE10, 0xFE19},   // vertical forms
    {0xFE30, 0xFE6F},   // CJK compatibility forms, small forms
    {0xFF00, 0xFF60},   // fullwidth forms
    {0xFFE0, 0xFFE6},   // fullwidth signs
    {0x16FE0, 0x18CFF}, // Tangut, Khitan
    {0x1B000, 0x1B2FF}, // kana supplement and extensions, Nushu
    {0x20000, 0x2FFFD}, // CJK extensions B to F
    {0x30000, 0x3FFFD}, // CJK extensions G and H
};

bool isWide(char32_t c)
{
    const auto after =
        std::upper_bound(std::begin(kWide), std::end(kWide), c,
                         [](char32_t value, const Range& r) { return value < r.first; });
    return after != std::begin(kWide) && c <= std::prev(after)->last;
}

int columnsOf(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
    case QChar::Other_Control:
        return 0;
    default:
        break;
    }
    // The vowels and final consonants a Hangul syllable is composed of.
    if (c >= 0x1160 && c <= 0x11FF)
        return 0;
    return isWide(c) ? 2 : 1;
}

} // namespace columns

int terminalColumns(QStringView text)
{
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        width += columns::columnsOf(c);
    }
    return width;
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

int boundedCount(const QString& digits, int limit)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok && value > 0 && value <= limit ? value : 0;
}

qint64 milliseconds(double seconds)
{
    return std::llround(std::max(0.0, seconds) * 1000);
}

QString fractionText(qint64 ms)
{
    if (ms % 1000 == 0)
        return {};
    QString text = QStringLiteral(".%1").arg(ms % 1000, 3, 10, QLatin1Char('0'));
    while (text.endsWith(u'0'))
        text.chop(1);
    return text;
}

QString secondsArgument(double seconds)
{
    const qint64 ms = milliseconds(seconds);
    return QString::number(ms / 1000) + fractionText(ms);
}

} // namespace tarnwick
