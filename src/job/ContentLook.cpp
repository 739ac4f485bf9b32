#include "job/ContentLook.h"

#include "job/EncoderCommand.h"

#include <QRegularExpression>

namespace tarnwick {

namespace {

// The tracks the output keeps, as the measurement must hear them: every
// one for a format (or copy) that keeps them all, else the one FFmpeg picks.
QList<MeteredChain> keptTracks(const SourceStreams& streams, const OutputFormat& format, int maxChannels)
{
    QList<MeteredChain> chains;
    const auto chainOf = [&](qsizetype n) {
        const AudioStream& audio = streams.audio[n];
        MeteredChain chain;
        chain.track = SoundTrack::of(int(n), audio.layout, audio.channels, audio.sampleRate, maxChannels);
        return chain;
    };
    if (format.copies || format.keepsAllTracks) {
        for (qsizetype n = 0; n < streams.audio.size(); ++n)
            chains << chainOf(n);
    } else if (const AudioStream* main = streams.mainAudio()) {
        chains << chainOf(main - streams.audio.constData());
    }
    return chains;
}

} // namespace

ContentLook::ContentLook(const ConversionJob& job, const SourceStreams& streams, const RunSettings& settings)
    : m_source(job.source), m_range(job.range)
{
    if (const VideoStream* video = streams.mainVideo())
        m_video = *video;
    const double start = job.range.start.value_or(0);
    const double length = job.range.isSet() ? job.range.lengthWithin(streams.duration) : 0;
    m_pictures = planLook(streams, start, length, settings.cropBlackBars, job.format.copies);
    if (!settings.loudness.isOff()) {
        m_target = *settings.loudness.lufs;
        const QString encoder = job.format.copies ? usualSoundCodec(job.extension.mid(1)) : job.format.audioCodec;
        m_codec = soundCodec(encoder);
        const int maxChannels = job.format.copies ? 0 : qMax(m_codec.maxChannels, 0);
        const int formatMost = job.format.accepts.maxChannels;
        m_chains = keptTracks(streams, job.format,
                              maxChannels > 0 && formatMost > 0 ? qMin(maxChannels, formatMost)
                                                                : qMax(maxChannels, formatMost));
    }
    m_step = Step::Pictures;
    advanceFrom(Step::Pictures);
}

// The first step from `step` on that has something to look at.
void ContentLook::advanceFrom(Step step)
{
    if (step == Step::Pictures && m_pictures.isEmpty())
        step = Step::Sound;
    if (step == Step::Sound && m_chains.isEmpty())
        step = Step::Trials;
    if (step == Step::Trials && !hasTrials())
        step = Step::Done;
    m_step = step;
}

bool ContentLook::hasTrials() const
{
    if (!m_found.soundError.isEmpty())
        return false;
    return std::any_of(m_found.levels.begin(), m_found.levels.end(),
                       [](const LevelPlan& plan) { return plan.limited; });
}

QList<MeteredChain> ContentLook::trialChains() const
{
    QList<MeteredChain> trials;
    for (const LevelPlan& plan : m_found.levels)
        trials << plan.trials();
    return trials;
}

ConsoleCommand ContentLook::nextCommand(const QString& programFolder) const
{
    QStringList arguments;
    switch (m_step) {
    case Step::Pictures:
        arguments = m_pictures.arguments(m_source);
        break;
    case Step::Sound:
        arguments = measurementArguments(m_source, m_chains, m_range.start, m_range.end);
        break;
    case Step::Trials:
        arguments = measurementArguments(m_source, trialChains(), m_range.start, m_range.end);
        break;
    case Step::Done:
        return {};
    }
    ConsoleCommand::Builder builder(encoderPath(programFolder));
    for (const QString& argument : arguments) {
        builder.blank();
        // Quoted where a shell would read it otherwise, for whoever copies it from a log.
        static const QRegularExpression plain(QStringLiteral(R"(^[\w@%+=:,./-]+$)"));
        builder.argument(argument, !plain.match(argument).hasMatch());
    }
    return builder.build();
}

void ContentLook::read(const QString& printed, bool finished)
{
    switch (m_step) {
    case Step::Pictures:
        // A look that could not be made leaves the picture as described.
        m_found.pictures = readPictureLook(printed, m_pictures, m_video);
        advanceFrom(Step::Sound);
        return;
    case Step::Sound: {
        const QList<LoudnessReading> readings = readMeasurement(printed, m_chains, finished);
        for (qsizetype n = 0; n < m_chains.size(); ++n) {
            const LoudnessReading reading = n < readings.size() ? readings[n] : LoudnessReading{};
            if (!reading.loudness) {
                m_found.soundError = reading.error.isEmpty() ? QStringLiteral("its sound could not be measured")
                                                             : reading.error;
                m_found.levels.clear();
                m_step = Step::Done;
                return;
            }
            m_found.levels << planLevel(m_chains[n].track, *reading.loudness, m_target, m_codec);
        }
        advanceFrom(Step::Trials);
        return;
    }
    case Step::Trials: {
        const QList<LoudnessReading> readings = readMeasurement(printed, trialChains(), finished);
        qsizetype at = 0;
        for (LevelPlan& plan : m_found.levels) {
            if (!plan.limited)
                continue;
            const qsizetype first = at;
            at += plan.trials().size();
            // Trials that say nothing leave the plain gain under the limiter.
            if (at > readings.size() || !readings[first].loudness || !readings[first + 1].loudness)
                continue;
            plan = settleLevel(plan, readings[first].loudness->integrated, readings[first + 1].loudness->integrated);
        }
        m_step = Step::Done;
        return;
    }
    case Step::Done:
        return;
    }
}

void applyLook(ConversionJob& job, const SourceLook& look)
{
    if (look.levels.isEmpty())
        return;
    const bool everyTrack = job.format.copies || job.format.keepsAllTracks;
    const QString copyCodec = job.format.copies ? usualSoundCodec(job.extension.mid(1)) : QString();
    job.fit.options << levelArguments(look.levels, everyTrack, copyCodec);
    for (qsizetype n = 0; n < look.levels.size(); ++n) {
        const QString reason = look.levels[n].reason();
        job.fit.reasons << (look.levels.size() > 1 ? QStringLiteral("track %1: %2").arg(n + 1).arg(reason) : reason);
    }
}

} // namespace tarnwick
