#include "media/SoundLevel.h"

#include "base/Text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace tarnwick {

namespace {

QString decibels(double value)
{
    return (value >= 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 1) +
           QStringLiteral("dB");
}

// A number as FFmpeg's meter prints it, to one decimal: "-70.0", "-inf".
QString level(double value)
{
    return std::isinf(value) ? QStringLiteral("-inf") : QString::number(value, 'f', 1);
}

QString layoutFor(int channels)
{
    switch (channels) {
    case 1:
        return QStringLiteral("mono");
    case 2:
        return QStringLiteral("stereo");
    case 6:
        return QStringLiteral("5.1");
    case 8:
        return QStringLiteral("7.1");
    default:
        return {};
    }
}

// FFmpeg 5.1 hands some decoders' channels on without a layout (six-channel
// AAC it wrote itself among them), and then neither the meter nor the
// resampler takes them: naming the layout first lets both work.
QString trackFilters(const SoundTrack& track)
{
    return track.layout.isEmpty() ? QString()
                                  : QStringLiteral("aformat=channel_layouts=") + track.layout;
}

QString joined(const QString& first, const QString& second)
{
    return first.isEmpty() ? second : second.isEmpty() ? first : first + u',' + second;
}

// Each meter is named after its chain: the run prints every meter's summary
// when it ends, in no set order.
QString meterName(int chain)
{
    return QStringLiteral("ebur128@m%1").arg(chain);
}

std::optional<double> valueAfter(const QString& block, const QString& key)
{
    static const QString number = QStringLiteral(R"(\s*(-?inf|[-+]?\d+(?:\.\d+)?)\s)");
    const QRegularExpression pattern(QStringLiteral("(?:^|\\n)\\s*") +
                                     QRegularExpression::escape(key) + number);
    const QRegularExpressionMatch match = pattern.match(block + u'\n');
    if (!match.hasMatch())
        return std::nullopt;
    const QString text = match.captured(1);
    if (text.endsWith(QLatin1String("inf")))
        return text.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    return text.toDouble();
}

// The first line that says the run gave up: its meters then print what they
// had, which is not the sound's level. The encoder's own lines say so; the
// libraries' lines, named in brackets, are warnings it goes on after.
QString fatalLine(const QString& printed)
{
    static const QRegularExpression fatal(
        QStringLiteral(
            R"((?:^|\r)(Conversion failed!|Error (?:while|reinitializing|initializing|opening)[^\r\n]*|Failed to [^\r\n]*)\r?$)"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = fatal.match(printed);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

QString LoudnessTarget::settingText() const
{
    return lufs ? QString::number(*lufs) : QStringLiteral("off");
}

ParsedLoudness parseLoudness(const QString& text)
{
    const QString word = text.trimmed().toLower();
    const auto chosen = [](std::optional<double> lufs) { return ParsedLoudness{{lufs}, {}}; };
    if (word == u"off")
        return chosen(std::nullopt);
    if (word == u"ebu")
        return chosen(LoudnessTarget::kEbu);
    if (word == u"stream")
        return chosen(LoudnessTarget::kStream);
    if (word == u"podcast")
        return chosen(LoudnessTarget::kPodcast);
    static const QRegularExpression number(QStringLiteral(R"(^([-+]?\d+(?:\.\d+)?)\s*(?:lufs)?$)"));
    const QRegularExpressionMatch match = number.match(word);
    if (match.hasMatch()) {
        const double lufs = match.captured(1).toDouble();
        if (lufs >= LoudnessTarget::kLeast && lufs <= LoudnessTarget::kMost)
            return chosen(lufs);
    }
    return {{},
            QCoreApplication::translate(
                "tarnwick::SoundLevel",
                "unknown loudness \"%1\": choose ebu (-23 LUFS), stream (-14 LUFS), "
                "podcast (-16 LUFS), off, or a number of LUFS from -40 to -5")
                .arg(text)};
}

SoundTrack SoundTrack::of(int audioIndex, const QString& layout, int channels, int sampleRate,
                          int maxChannels)
{
    SoundTrack track{audioIndex, layout, sampleRate};
    if (maxChannels > 0 && channels > maxChannels)
        track.layout = layoutFor(maxChannels);
    else if (track.layout.isEmpty())
        track.layout = layoutFor(channels);
    return track;
}

QStringList measurementArguments(const QString& source, const QList<MeteredChain>& chains,
                                 std::optional<double> start, std::optional<double> end)
{
    QStringList arguments{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                          QStringLiteral("-nostats"), QStringLiteral("-vn"),
                          QStringLiteral("-sn"),      QStringLiteral("-dn")};
    if (start)
        arguments << QStringLiteral("-ss") << secondsArgument(*start);
    if (end)
        arguments << QStringLiteral("-t") << secondsArgument(*end - start.value_or(0));
    arguments << QStringLiteral("-i") << source;
    QStringList graph;
    for (qsizetype n = 0; n < chains.size(); ++n) {
        const MeteredChain& chain = chains[n];
        const QString filters = joined(trackFilters(chain.track), chain.filters);
        graph << QStringLiteral("[0:a:%1]%2%3=%4framelog=verbose[m%5]")
                     .arg(chain.track.audioIndex)
                     .arg(filters.isEmpty() ? QString() : filters + u',', meterName(int(n)),
                          chain.peaks ? QStringLiteral("peak=true:") : QString())
                     .arg(n);
    }
    arguments << QStringLiteral("-filter_complex") << graph.join(u';');
    for (qsizetype n = 0; n < chains.size(); ++n)
        arguments << QStringLiteral("-map") << QStringLiteral("[m%1]").arg(n)
                  << QStringLiteral("-f") << QStringLiteral("null") << QStringLiteral("-");
    return arguments;
}

QList<LoudnessReading> readMeasurement(const QString& printed, const QList<MeteredChain>& chains,
                                       bool finished)
{
    QList<LoudnessReading> readings(chains.size());
    // FFmpeg builds the graph once to learn its outputs and drops it, and
    // each meter of that first graph prints an empty summary: only those
    // after the stream mapping measured anything.
    const qsizetype mapping = printed.indexOf(QLatin1String("Stream mapping:"));
    const QString fatal = fatalLine(printed);
    for (int n = 0; n < int(chains.size()); ++n) {
        LoudnessReading& reading = readings[n];
        if (!fatal.isEmpty() || !finished) {
            reading.error = fatal.isEmpty()
                                ? QStringLiteral("the measurement of the sound did not finish")
                                : fatal;
            continue;
        }
        const QString head = u'[' + meterName(n) + QStringLiteral(" @");
        const qsizetype at = printed.lastIndexOf(head);
        const qsizetype summary = at < 0 ? -1 : printed.indexOf(QLatin1String("Summary:"), at);
        if (mapping < 0 || at < mapping || summary < 0) {
            reading.error = QStringLiteral("the encoder printed no measurement of the sound");
            continue;
        }
        qsizetype end = printed.indexOf(QLatin1String("\n["), summary);
        const QString block = printed.mid(summary, end < 0 ? -1 : end - summary);
        const auto integrated = valueAfter(block, QStringLiteral("I:"));
        const auto range = valueAfter(block, QStringLiteral("LRA:"));
        const qsizetype truePeak = block.indexOf(QLatin1String("True peak:"));
        std::optional<double> peak = std::numeric_limits<double>::quiet_NaN();
        if (chains[n].peaks)
            peak = truePeak < 0 ? std::nullopt
                                : valueAfter(block.mid(truePeak), QStringLiteral("Peak:"));
        if (!integrated || !range || !peak || std::isnan(*integrated) || std::isinf(*integrated)) {
            reading.error = QStringLiteral("the measurement of the sound could not be read");
            continue;
        }
        reading.loudness = Loudness{*integrated, *range, *peak};
    }
    return readings;
}

// Measured after encoding a sound brought to a level, with FFmpeg 5.1's own
// encoders at their default rates: low-rate AAC rises most over a limited
// sound, LAME plays a little quieter than it was given.
const SoundCodec& soundCodec(const QString& encoder)
{
    static const QList<SoundCodec> codecs{
        {QStringLiteral("aac"), 2.5, 0, 0, 128}, {QStringLiteral("libmp3lame"), 0.5, 0.4, 2},
        {QStringLiteral("wmav2"), 1.0, 0, 2},    {QStringLiteral("mp2"), 0.5, 0, 2},
        {QStringLiteral("libopus"), 2.5, 0, 0},  {QStringLiteral("ac3"), 0.5, 0, 6},
    };
    static const SoundCodec lossless;
    for (const SoundCodec& codec : codecs) {
        if (codec.encoder == encoder)
            return codec;
    }
    return lossless;
}

QString usualSoundCodec(const QString& muxer)
{
    return muxer == u"webm" ? QStringLiteral("libopus") : QStringLiteral("aac");
}

QString LevelPlan::gainFilters(double decibelsGain, bool truePeaks) const
{
    QString chain = QStringLiteral("volume=") + decibels(decibelsGain);
    if (!limited)
        return chain;
    // The limiter holds sample peaks; at four times the rate they are the
    // true peaks. Its delay is taken back so the sound stays with the picture.
    // Where it presses hard, its quick changes of gain ring when the rate
    // is taken back down, up to 3 dB over its limit: a second pass holds that.
    const int rate = track.sampleRate > 0 ? track.sampleRate : 48000;
    const int over = !truePeaks ? 1 : rate <= 48000 ? 4 : rate <= 96000 ? 2 : 1;
    const QString limiter = QStringLiteral(",alimiter=limit=%1:level=false:latency=1")
                                .arg(QString::number(std::pow(10.0, ceiling / 20), 'f', 4));
    if (over == 1)
        return chain + limiter;
    const QString pass = QStringLiteral(",aresample=%1").arg(rate * over) + limiter +
                         QStringLiteral(",aresample=%1").arg(rate);
    return chain + pass + pass;
}

QString LevelPlan::filters() const
{
    return measured.isSilent() ? QString() : joined(trackFilters(track), gainFilters(gain));
}

QString LevelPlan::reason() const
{
    const QString measuredText = QStringLiteral("the sound measured %1 LUFS, peaks %2 dBTP")
                                     .arg(level(measured.integrated), level(measured.truePeak));
    if (measured.isSilent())
        return QStringLiteral("no volume change: %1, silence").arg(measuredText);
    return QStringLiteral("volume=%1%2: %3%4")
        .arg(decibels(gain),
             limited ? QStringLiteral(" with a %1 dBTP limit")
                           .arg(QString::number(LoudnessTarget::kCeiling))
                     : QString(),
             measuredText,
             reaches ? QStringLiteral("; about %1 LUFS, as loud as it goes under the limit")
                           .arg(level(qMin(*reaches, target)))
                     : QString());
}

QList<MeteredChain> LevelPlan::trials() const
{
    if (!limited)
        return {};
    return {{track, gainFilters(gain, false), false},
            {track, gainFilters(gain + kTrialStep, false), false}};
}

LevelPlan planLevel(const SoundTrack& track, const Loudness& measured, double target,
                    const SoundCodec& codec)
{
    LevelPlan plan;
    plan.track = track;
    plan.measured = measured;
    plan.target = plan.aim = target;
    if (measured.isSilent())
        return plan;
    plan.codecLoss = codec.loss;
    plan.aim = target + codec.loss;
    plan.gain = plan.aim - measured.integrated;
    plan.ceiling = LoudnessTarget::kCeiling - codec.headroom;
    plan.limited = measured.truePeak + plan.gain > plan.ceiling;
    if (plan.limited && plan.aim > LevelPlan::kLoudestLimited + codec.loss) {
        plan.aim = LevelPlan::kLoudestLimited + codec.loss;
        plan.gain = plan.aim - measured.integrated;
        plan.reaches = LevelPlan::kLoudestLimited;
    }
    if (plan.limited && track.layout == u"mono")
        plan.kilobits = codec.monoKilobits;
    return plan;
}

LevelPlan settleLevel(LevelPlan plan, double atGain, double atStep)
{
    if (!plan.limited)
        return plan;
    // The loudness rises more slowly than the gain once the limiter works;
    // a limiter that already takes nearly all of a step would need the
    // sound crushed, so a step never counts for less than a quarter of it.
    const double slope = qMax((atStep - atGain) / LevelPlan::kTrialStep, 0.25);
    const double wanted = plan.aim - atGain;
    // What the limiter takes grows by the part of each decibel of gain the
    // loudness does not follow; it stops at kMostSquash.
    const double squashed = plan.measured.integrated + plan.gain - atGain;
    const double most = (LevelPlan::kMostSquash - squashed) / qMax(1 - slope, 0.1);
    const double added = qBound(-12.0, qMin(wanted / slope, most), 12.0);
    plan.gain += added;
    if (added < wanted / slope - 0.1)
        plan.reaches = atGain + slope * added - plan.codecLoss;
    return plan;
}

QStringList levelArguments(const QList<LevelPlan>& plans, bool everyTrack, const QString& copyCodec)
{
    QStringList arguments;
    if (!copyCodec.isEmpty())
        arguments << QStringLiteral("-c:a") << copyCodec;
    for (qsizetype n = 0; n < plans.size(); ++n) {
        const QString filters = plans[n].filters();
        if (filters.isEmpty())
            continue;
        arguments << (everyTrack ? QStringLiteral("-filter:a:%1").arg(n) : QStringLiteral("-af"))
                  << filters;
        if (plans[n].kilobits > 0)
            arguments << (everyTrack ? QStringLiteral("-b:a:%1").arg(n) : QStringLiteral("-b:a"))
                      << QString::number(plans[n].kilobits) + u'k';
        if (!everyTrack)
            break;
    }
    return arguments;
}

} // namespace tarnwick
