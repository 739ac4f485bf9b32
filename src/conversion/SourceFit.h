#pragma once

#include "conversion/OutputFormats.h"
#include "conversion/SourceStreams.h"
#include "conversion/Turn.h"

#include <QString>
#include <QStringList>

namespace tarnwick {

// What one source needs beyond the format's own options so that the
// format's encoders take it and its players play the result. Empty for a
// source that needs nothing, which then converts by the plain command.
struct SourceFit {
    // At the front of the chain: they work on the picture as it was filmed, before any turn.
    QStringList firstFilters;
    QStringList filters;  // after the turn in the chain
    QStringList options;  // put after the format's options, before the output
    QStringList reasons;  // one line per addition, for the log and the dry run

    bool isEmpty() const { return firstFilters.isEmpty() && filters.isEmpty() && options.isEmpty(); }
    friend bool operator==(const SourceFit&, const SourceFit&) = default;
};

// `turn`: its quarter turns, with the source's own display rotation, decide
// which side of the picture is its width. `hdrToSdr`: HLG and PQ pictures
// become SDR in the formats that could keep them too.
SourceFit fitSource(const SourceStreams& streams, const OutputFormat& format, const Turn& turn, bool hdrToSdr = false);

// The codec a subtitle becomes in an output whose text subtitles become
// `textCodec` ("copy": as they are; empty: dropped) and that keeps bitmap
// subtitles or not: "copy", a codec, or empty when it is left out.
QString subtitleCodec(const SubtitleStream& subtitle, const QString& textCodec, bool keepsBitmaps);

// The rate of `allowed` nearest to `rate`.
FrameRate nearestRate(double rate, const QList<FrameRate>& allowed);

} // namespace tarnwick
