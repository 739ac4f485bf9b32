#pragma once

#include <QString>

#include <optional>

namespace tarnwick {

// Reads "hh:mm:ss.ff" (the first three pieces between colons; a comma that
// ends the last piece, as in the Duration line, is ignored) as whole seconds,
// a half second going to the even neighbour. nullopt when unreadable.
std::optional<qint32> readTimeToken(const QString& token);

// What the progress controls show.
struct ProgressDisplay {
    double percent = 0;      // the progress bar's value, 0 to 100
    double widthTwips = 0;   // of the bar image, out of kFullWidthTwips
    QString label;           // the percentage text and "%"
    friend bool operator==(const ProgressDisplay&, const ProgressDisplay&) = default;
};

// The conversion run's progress from the encoder's output: the length from
// its "Duration: " line, the position from each "time=" field. Each piece is
// scanned on its own, nothing carried over.
class ProgressParser
{
public:
    static constexpr double kFullWidthTwips = 5415;

    // The options record's cutter: while on, the run's length is the cut end.
    void setCutter(qint16 musicCutter, qint32 cutToSeconds)
    {
        m_musicCutter = musicCutter;
        m_cutToSeconds = cutToSeconds;
    }

    qint32 TotalSeconds() const { return m_totalSeconds; }

    // A new display for the piece, or nullopt when it leaves the display as
    // it is (no "time=", or no length known yet to measure it against).
    std::optional<ProgressDisplay> objDOS_ReceiveOutputs(const QString& CommandOutputs);

    // The end of a conversion run: the next run reads its own length.
    void endRun() { m_totalSeconds = 0; }

    // The first four characters of the decimal form of the percentage.
    static QString percentText(double percent);

private:
    void findTotal(const QString& piece);

    qint32 m_totalSeconds = 0;
    qint16 m_musicCutter = 0;
    qint32 m_cutToSeconds = 0;
};

} // namespace tarnwick
