#pragma once

#include <QString>

#include <optional>

namespace tarnwick {

// The part of a source a conversion keeps, in seconds from the source's
// beginning. Either bound may be left open: no start is the beginning, no
// end is the end. A range with neither is the whole file, and a conversion
// of it is the one without a range.
struct TimeRange {
    std::optional<double> start;
    std::optional<double> end;

    bool isSet() const { return start.has_value() || end.has_value(); }
    double from() const { return start.value_or(0); }
    // Nothing is left of a range whose end is not after its start.
    bool endsAfterStart() const { return !end || *end > from(); }
    // The seconds it keeps of a source `sourceSeconds` long (0: not known,
    // which keeps up to the end if one is given); an end past the source is
    // the source's end.
    double lengthWithin(double sourceSeconds) const;
    // Why it cannot be cut from a source `sourceSeconds` long (0: not
    // known); empty when it can.
    QString problemWithin(double sourceSeconds) const;

    friend bool operator==(const TimeRange&, const TimeRange&) = default;
};

// A time as people type one: seconds ("90", "90.5"), "m:ss" or "h:mm:ss",
// each with a fraction ("1:02:03.5"); minutes and seconds after a colon
// below 60. nullopt for anything else, blanks around it allowed.
std::optional<double> parseTime(const QString& text);

// The two times of a range as typed, an empty text leaving its bound open;
// `error` says which time could not be read, or that the end is not after
// the start.
struct ParsedRange {
    TimeRange range;
    QString error;
};
ParsedRange parseRange(const QString& start, const QString& end);

// A time as the faces show it: "m:ss" below an hour, "h:mm:ss" from one
// on, with the fraction to the millisecond when there is one ("0:01.5",
// "1:02:03.5"). parseTime reads it back.
QString timeText(double seconds);
// The range in words: "1:30 to 2:00", "from 1:30", "up to 2:00"; empty for
// a range that is not set.
QString rangeText(const TimeRange& range);

} // namespace tarnwick
