#include "job/ConversionJob.h"

#include "base/Text.h"
#include "job/EncoderCommand.h"

#include <QRegularExpression>

#include <algorithm>

// A job's time range: the options that cut it, why they are there, and
// where a copy of it begins.

namespace tarnwick {

namespace {

// The log's and the dry run's words for a range, which are English like
// every other reason there.
QString rangeInWords(const TimeRange& range)
{
    if (range.start && range.end)
        return QStringLiteral("%1 to %2").arg(timeText(*range.start), timeText(*range.end));
    return range.start
               ? QStringLiteral("from %1 to the end").arg(timeText(*range.start))
               : QStringLiteral("from the beginning to %1").arg(timeText(range.end.value_or(0)));
}

// Why the range's options are there. An encoder cuts to the frame; a copy
// can begin only where a picture stands on its own, so its picture begins a
// little early.
QString rangeReason(const ConversionJob& job)
{
    const QString options = (job.seekArguments() + job.cutArguments()).join(u' ');
    if (!job.beginsAtKeyFrame())
        return QStringLiteral("%1: the time range %2").arg(options, rangeInWords(job.range));
    const QString start = timeText(*job.range.start);
    const QString begins =
        job.keyFrame ? (*job.keyFrame < *job.range.start - 0.0005
                            ? QStringLiteral("at the key frame at %1, %2 s before %3")
                                  .arg(timeText(*job.keyFrame),
                                       secondsArgument(*job.range.start - *job.keyFrame), start)
                            : QStringLiteral("at %1, on a key frame").arg(start))
                     : QStringLiteral("at the key frame at or before %1").arg(start);
    return QStringLiteral(
               "%1: the time range %2; a copy cuts only at key frames, so its picture begins %3, "
               "its sound at %4")
        .arg(options, rangeInWords(job.range), begins, start);
}

} // namespace

QStringList ConversionJob::added() const
{
    return range.isSet() ? fit.reasons + QStringList{rangeReason(*this)} : fit.reasons;
}

// The first picture a copy from the start would take: seeking before the
// input, a copy begins at the key frame, and its time is printed relative
// to the start asked for.
ConsoleCommand ConversionJob::keyFrameCommand(const QString& programFolder) const
{
    ConsoleCommand::Builder builder(encoderPath(programFolder));
    builder.blank()
        .arguments(seekArguments())
        .blank()
        .argument(QStringLiteral("-i"))
        .blank()
        .quoted(source)
        .blank();
    return builder
        .arguments({QStringLiteral("-nostats"), QStringLiteral("-map"), QStringLiteral("0:V:0"),
                    QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-frames:v"),
                    QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("framecrc"),
                    QStringLiteral("-")})
        .build();
}

// "#tb 0: 1/12800" gives the time base, the first "0, dts, pts, ..." line
// the picture's times in it.
std::optional<double> ConversionJob::keyFrameIn(const QString& printed) const
{
    static const QRegularExpression base(QStringLiteral("^#tb 0: (\\d{1,9})/(\\d{1,9})\\s*$"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression picture(
        QStringLiteral("(?:^|\\r)0,\\s*(-?\\d{1,18}|NOPTS),\\s*(-?\\d{1,18}|NOPTS),"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch tb = base.match(printed);
    const QRegularExpressionMatch first = picture.match(printed);
    if (!range.start || !tb.hasMatch() || !first.hasMatch() || tb.captured(2).toLongLong() == 0)
        return std::nullopt;
    bool ok = false;
    qint64 ticks =
        first.captured(2).toLongLong(&ok); // its presentation time, else its decoding time
    if (!ok)
        ticks = first.captured(1).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const double offset = double(ticks) * tb.captured(1).toDouble() / tb.captured(2).toDouble();
    // A copy never begins after the start; a time that says so is not a key frame's.
    if (offset > 0.0005)
        return std::nullopt;
    return std::max(0.0, *range.start + offset);
}

QStringList ConversionJob::seekArguments() const
{
    if (!range.start)
        return {};
    return {QStringLiteral("-ss"), secondsArgument(*range.start)};
}

// "-t" counts from the start the input was sought to. A copy's first
// pictures lie before that start, back to the key frame it begins with:
// shifted, the file starts with that key frame (rather than with pictures
// no player shows), and its sound from the start (rather than with sound
// before the first picture).
QStringList ConversionJob::cutArguments() const
{
    QStringList arguments;
    if (range.end)
        arguments << QStringLiteral("-t") << secondsArgument(*range.end - range.from());
    if (range.start && format.copies)
        arguments << QStringLiteral("-avoid_negative_ts") << QStringLiteral("make_zero")
                  << QStringLiteral("-copypriorss:a") << QStringLiteral("0");
    return arguments;
}

} // namespace tarnwick
