#include "job/TimeRange.h"

#include "base/Text.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

struct RangeTexts
{
    Q_DECLARE_TR_FUNCTIONS(tarnwick::TimeRange)
};

// Digits, and a fraction where `fraction` allows one; at most nine digits
// either side, which keeps every value exact in a double.
std::optional<double> readPiece(QStringView piece, bool fraction)
{
    const qsizetype dot = fraction ? piece.indexOf(u'.') : -1;
    const QStringView whole = dot < 0 ? piece : piece.first(dot);
    const QStringView part = dot < 0 ? QStringView() : piece.mid(dot + 1);
    const auto digits = [](QStringView text) {
        return !text.isEmpty() && text.size() <= 9 &&
               std::all_of(text.begin(), text.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (!digits(whole) || (dot >= 0 && !digits(part)))
        return std::nullopt;
    return whole.toDouble() +
           (dot < 0 ? 0.0 : part.toDouble() / std::pow(10.0, double(part.size())));
}

} // namespace

double TimeRange::lengthWithin(double sourceSeconds) const
{
    double until = end.value_or(sourceSeconds);
    if (sourceSeconds > 0)
        until = std::min(until, sourceSeconds);
    return std::max(0.0, until - from());
}

QString TimeRange::problemWithin(double sourceSeconds) const
{
    if (!endsAfterStart())
        return RangeTexts::tr("the time range ends at %1, which is not after its start at %2")
            .arg(timeText(*end), timeText(from()));
    if (sourceSeconds > 0 && from() >= sourceSeconds)
        return RangeTexts::tr("the time range starts at %1, but the video is only %2 long")
            .arg(timeText(from()), timeText(sourceSeconds));
    return {};
}

std::optional<double> parseTime(const QString& text)
{
    const QStringList pieces = text.trimmed().split(u':');
    if (pieces.size() > 3)
        return std::nullopt;
    double seconds = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const bool last = i + 1 == pieces.size();
        const auto value = readPiece(pieces.at(i), last);
        // After a colon a piece counts minutes or seconds, so stops below 60.
        if (!value || (i > 0 && *value >= 60))
            return std::nullopt;
        seconds = seconds * 60 + *value;
    }
    return double(milliseconds(seconds)) / 1000;
}

ParsedRange parseRange(const QString& start, const QString& end)
{
    ParsedRange parsed;
    const auto read = [&](const QString& text, std::optional<double>& bound,
                          const char* unreadable) {
        if (text.trimmed().isEmpty() || !parsed.error.isEmpty())
            return;
        bound = parseTime(text);
        if (!bound)
            parsed.error = RangeTexts::tr(unreadable).arg(text.trimmed());
    };
    read(start, parsed.range.start,
         QT_TRANSLATE_NOOP(
             "tarnwick::TimeRange",
             "The start \"%1\" is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or "
             "1:02:03.5."));
    read(end, parsed.range.end,
         QT_TRANSLATE_NOOP(
             "tarnwick::TimeRange",
             "The end \"%1\" is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or "
             "1:02:03.5."));
    if (parsed.error.isEmpty() && !parsed.range.endsAfterStart())
        parsed.error = RangeTexts::tr("The end must come after the start.");
    if (!parsed.error.isEmpty())
        parsed.range = {};
    return parsed;
}

QString timeText(double seconds)
{
    const qint64 ms = milliseconds(seconds);
    const qint64 whole = ms / 1000;
    const qint64 h = whole / 3600;
    const QLatin1Char zero('0');
    const QString secondsText =
        QStringLiteral("%1").arg(whole % 60, 2, 10, zero) + fractionText(ms);
    if (h > 0)
        return QStringLiteral("%1:%2:").arg(h).arg(whole / 60 % 60, 2, 10, zero) + secondsText;
    return QStringLiteral("%1:").arg(whole / 60) + secondsText;
}

QString rangeText(const TimeRange& range)
{
    if (range.start && range.end)
        //: A queued file's time range: its start and its end.
        return RangeTexts::tr("%1 to %2").arg(timeText(*range.start), timeText(*range.end));
    if (range.start)
        return RangeTexts::tr("from %1").arg(timeText(*range.start));
    if (range.end)
        return RangeTexts::tr("up to %1").arg(timeText(*range.end));
    return {};
}

} // namespace tarnwick
