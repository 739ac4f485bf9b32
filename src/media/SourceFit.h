#pragma once

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
    // >= 0: the picture is this stream of the source made by a graph that no
    // input stream is tied to, so that FFmpeg gives the output none of the
    // source stream's records (mastering display, light levels, Dolby
    // Vision), which no option of its removes; -1: the plain "-vf" chain.
    int unlinkedPicture = -1;

    bool isEmpty() const { return firstFilters.isEmpty() && filters.isEmpty() && options.isEmpty(); }
    friend bool operator==(const SourceFit&, const SourceFit&) = default;
};

} // namespace tarnwick
