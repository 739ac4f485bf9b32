#pragma once

#include "conversion/OutputFormats.h"
#include "conversion/SourceStreams.h"

#include <QString>
#include <QStringList>

namespace tarnwick {

// What one source needs beyond the format's own options so that the
// format's encoders take it and its players play the result. Empty for a
// source that needs nothing, which then converts by the plain command.
struct SourceFit {
    // At the front of the chain: they work on the picture as it was filmed, before any turn.
    QStringList firstFilters;
    QStringList filters;  // joined to the end of the rotation filter's chain
    QStringList options;  // put after the format's options, before the output
    QStringList reasons;  // one line per addition, for the log and the dry run

    bool isEmpty() const { return firstFilters.isEmpty() && filters.isEmpty() && options.isEmpty(); }
    friend bool operator==(const SourceFit&, const SourceFit&) = default;
};

// `rotateFilter` is the filter the command carries ("-vf ..." or empty):
// its quarter turns, with the source's own display rotation, decide which
// side of the picture is its width. `hdrToSdr`: HLG and PQ pictures become
// SDR in the formats that could keep them too.
SourceFit fitSource(const SourceStreams& streams, const OutputFormat& format, const QString& rotateFilter,
                    bool hdrToSdr = false);

// The rotation filter with the fit's filters at the end of its chain; a
// filter of its own when there was none. FFmpeg keeps only the last "-vf",
// so there must never be two.
QString joinFilters(const QString& rotateFilter, const QStringList& filters);
// The same with `first` at the front of the chain, before the turn.
QString joinFilters(const QStringList& first, const QString& rotateFilter, const QStringList& filters);

// The rate of `allowed` nearest to `rate`.
FrameRate nearestRate(double rate, const QList<FrameRate>& allowed);

} // namespace tarnwick
