#pragma once

#include "media/OutputFormats.h"
#include "media/PictureLook.h"
#include "job/ConversionResult.h"
#include "job/RunSettings.h"
#include "job/SizePlan.h"
#include "media/SourceFit.h"
#include "job/TimeRange.h"
#include "media/RotationFilters.h"
#include "process/ConsoleCommand.h"

#include <QString>

#include <optional>

namespace tarnwick {

// One conversion as a value: the file it reads, the file it writes, and
// every choice the encoder is given for it, typed. Everything that runs,
// logs, journals or prints a conversion takes it from here; its arguments
// are built from these fields and nowhere else, and its text only shows them.
struct ConversionJob {
    QString source;
    QString output;
    OutputFormat format;  // the one it converts by: a copy no container keeps converts
    QString extension;    // the output's: a copy's follows the source's codecs
    RateControl rate;     // for a format that encodes: its kilobits or its quality, as the encoder takes them
    RotationFilters turn;            // the rotation; a copy turns nothing
    SourceFit fit;        // what this source needs beyond the format's options
    TimeRange range;      // the part of the source it keeps; unset: all of it
    std::optional<double> keyFrame; // where a copy cut to a range begins, once found
    SizePlan sizePlan;    // with a size: how it is shared out

    // The one "-vf" chain: the fit's leading filters, the turn, its fixes.
    QStringList videoFilters() const { return fit.firstFilters + turn.filters + fit.filters; }
    // The rate's options, for a format that encodes: "-vb" and the kilobits
    // (with a size, the sound's rate too), or the quality on its scale.
    QStringList rateArguments() const;
    // The range's options: "-ss" before the input, and after it "-t" (and
    // for a copy the shift that starts the file at its first key frame).
    QStringList seekArguments() const;
    QStringList cutArguments() const;

    // Aiming at a size, an encoder that takes two passes makes them: the
    // first learns the picture into `passLog` (a path and name without
    // extension, in the temporary folder) and writes nothing else.
    enum class Pass { Only, First, Second };
    bool takesTwoPasses() const { return rate.mode == RateControl::Mode::Size && format.passes != Passes::One; }
    ConsoleCommand command(const QString& programFolder, Pass pass = Pass::Only, const QString& passLog = {}) const;
    // Every run of the encoder the conversion makes, in order.
    QList<ConsoleCommand> commands(const QString& programFolder, const QString& passLog) const;
    // Why each option beyond the format's own was added, one line each.
    QStringList added() const;

    // A copy cut to a range begins at the key frame at or before its start:
    // whether this one does, the command that finds that key frame (the
    // encoder copies that one picture and prints its time), and its time
    // read from what the command printed.
    bool beginsAtKeyFrame() const { return format.copies && range.start.has_value(); }
    ConsoleCommand keyFrameCommand(const QString& programFolder) const;
    std::optional<double> keyFrameIn(const QString& printed) const;
};

// How `streams` convert into the chosen format with this rate and turn.
// `webOptimized`: an MP4 or QuickTime file gets its index at the front.
// `hdrToSdr`: HLG and PQ pictures become SDR in every format. A copy picks
// its container from the source's codecs, or converts when none keeps them;
// one whose sound is re-encoded to change its level (`copySound`: the codec)
// picks by that sound as it will be. `look`: what a look at the pictures
// found, where one was made.
ConversionJob planJob(const SourceStreams& streams, const OutputFormat& chosen, const RateControl& rate,
                      const RotationFilters& turn, bool webOptimized, bool hdrToSdr = false, const PictureLook& look = {},
                      const QString& copySound = {});
// The same for a probed source by a run's settings, keeping `range` of it;
// the format must exist.
ConversionJob planJob(const QString& source, const ProbeResult& probed, const RunSettings& settings,
                      const TimeRange& range = {}, const PictureLook& look = {});

// Converts one file: the job of this format, rate and turn with what the
// source needs (`fit`); without it the plain command.
ConsoleCommand conversionCommand(const QString& programFolder, const QString& sourcePath,
                                 const OutputFormat& format, int kilobits, const RotationFilters& turn,
                                 const QString& outputPath, const SourceFit& fit = {});
// Internal indexes without a format have no command.
std::optional<ConsoleCommand> conversionCommand(const QString& programFolder, const QString& sourcePath,
                                                int internalIndex, int kilobits, const RotationFilters& turn,
                                                const QString& outputPath);

// Why a probed source cannot be converted with these settings, or `range`
// not cut from it; empty when it can. A size too small for it is refused
// here, with the smallest that works.
QString refusal(const ProbeResult& probed, const RunSettings& settings, const TimeRange& range = {});

} // namespace tarnwick
