#include "base/Text.h"

#include <QDir>

#include <algorithm>
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

int terminalColumns(QStringView text)
{
    // The wide blocks: Hangul leading consonants, CJK radicals to Yi,
    // Hangul syllables, compatibility ideographs, vertical and small forms,
    // full-width forms, pictographs and the supplementary ideographs.
    static constexpr char32_t kWide[][2] = {
        {0x1100, 0x115F}, {0x2329, 0x232A},   {0x2E80, 0x303E},   {0x3041, 0x33FF},
        {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},
        {0xF900, 0xFAFF}, {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},
        {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD}};
    int columns = 0;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
            category == QChar::Other_Format)
            continue;
        const bool wide = std::any_of(std::begin(kWide), std::end(kWide), [c](const auto& range) {
            return c >= range[0] && c <= range[1];
        });
        columns += wide ? 2 : 1;
    }
    return columns;
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
