#pragma once

#include <QString>

#include <optional>

namespace tarnwick {

// Reads "hh:mm:ss.ff" (the first three pieces between colons; a comma that
// ends the last piece, as in the Duration line, is ignored) as whole seconds,
// a half second going to the even neighbour. nullopt when unreadable.
std::optional<qint32> readTimeToken(const QString& token);

// The conversion run's progress from the encoder's output: the length from
// its "Duration: " line, the position from each "time=" field. Each piece is
// scanned on its own, nothing carried over.
class ProgressParser
{
public:
    // The options record's cut: while on, the run's length is the cut's end.
    void setCountedLength(std::optional<qint32> seconds) { m_countedLength = seconds; }

    // A run that converts part of its source (a time range): its length is
    // that part's, whatever the Duration line or the cutter says. nullopt:
    // the whole source.
    void setRunLength(std::optional<double> seconds) { m_runLength = seconds; }

    qint32 TotalSeconds() const { return m_totalSeconds; }

    // The share of the run done, 0 to 100, or nullopt when the piece tells
    // nothing new (no "time=", or no length known yet to measure it against).
    std::optional<double> receiveOutputs(const QString& CommandOutputs);

    // The end of a conversion run: the next run reads its own length.
    void endRun() { m_totalSeconds = 0; }

    // The first four characters of the decimal form of the percentage: the
    // progress label's text, which the faces make from the number.
    static QString percentText(double percent);
    // The whole number that text begins with, for the bar: the share rounded
    // to the fifteen significant digits the text is written with, then cut.
    static int wholePercent(double percent);

private:
    void findTotal(const QString& piece);

    qint32 m_totalSeconds = 0;
    std::optional<double> m_runLength;
    std::optional<qint32> m_countedLength;
};

} // namespace tarnwick
