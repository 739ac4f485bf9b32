#pragma once

#include "job/ConversionJob.h"
#include "job/RunSettings.h"
#include "media/PictureLook.h"
#include "media/SoundLevel.h"
#include "process/ConsoleCommand.h"

#include <QList>
#include <QString>

namespace tarnwick {

// What a look at a source's content found, beside its description: the
// pictures' analysis and each kept sound track's level.
struct SourceLook {
    PictureLook pictures;
    QList<LevelPlan> levels;
    QString soundError; // the sound could not be measured: the file fails with it
};

// The encoder runs that look at a source before it is converted, one after
// the other: the pictures where the fields or a crop are in question, the
// sound's loudness where one is chosen, and, where a limiter would take
// loudness away with the peaks, the trials that settle its gain. Each run's
// output is read before the next is chosen. Holds no process: the converter
// runs each command and hands back what it printed.
class ContentLook
{
public:
    ContentLook() = default;
    ContentLook(const ConversionJob& job, const SourceStreams& streams, const RunSettings& settings);

    bool isDone() const { return m_step == Step::Done; }
    // The next run; empty when done.
    ConsoleCommand nextCommand(const QString& programFolder) const;
    // What that run printed, and whether it ended with status 0.
    void read(const QString& printed, bool finished);
    const SourceLook& found() const { return m_found; }

private:
    enum class Step { Pictures, Sound, Trials, Done };
    void advanceFrom(Step step);
    bool hasTrials() const;
    QList<MeteredChain> trialChains() const; // two a limited track, in the plans' order

    Step m_step = Step::Done;
    QString m_source;
    TimeRange m_range;
    VideoStream m_video;
    LookPlan m_pictures;
    QList<MeteredChain> m_chains;   // the measurement's, a kept track each
    double m_target = LoudnessTarget::kEbu;
    SoundCodec m_codec;
    SourceLook m_found;
};

// Adds each track's level the look found to the job, with its reason. What
// the pictures showed is not added on: the job is planned with it (planJob).
void applyLook(ConversionJob& job, const SourceLook& look);

} // namespace tarnwick
