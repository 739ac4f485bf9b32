#pragma once

#include <QString>
#include <QStringView>

namespace tarnwick {

// The encoder's file name below <program folder>/data: the name the running
// child is known by.
inline const QString kEncoderName = QStringLiteral("conv.exe");

// Paths from the user may use either separator, whatever the platform.
bool endsWithSeparator(QStringView path);
// The path with the platform's separator added when it has none at its end.
QString withTrailingSeparator(const QString& path);
// Where the last "/" or "\" is; -1 when there is none.
qsizetype lastSeparator(QStringView path);

// Empty, or nothing but white space.
bool isBlank(QStringView text);

// How many columns a terminal gives the text: two for each East Asian wide or
// full-width character, none for a combining mark or an invisible format
// character (a zero-width non-joiner), one for the rest.
int terminalColumns(QStringView text);

// The number the leading characters form, read as a Basic Val would: blanks
// and tabs skipped, an optional sign, digits with at most one "." and a
// fraction. `digits` tells whether any digit was there (none gives 0).
double leadingValue(QStringView text, bool* digits = nullptr);

// A whole number from 1 to `limit` as digits; 0 for anything else.
int boundedCount(const QString& digits, int limit = 1 << 20);

// Seconds as whole milliseconds, a negative time as 0.
qint64 milliseconds(double seconds);
// The fraction of a second to the millisecond without trailing zeros
// (".5", ".25", ".125"), or nothing for a whole second.
QString fractionText(qint64 ms);
// A time as the encoder takes it: seconds, to the millisecond ("90", "1.5").
// Every seek and length given to the encoder is written so, so that what
// is looked at or measured is what is converted.
QString secondsArgument(double seconds);

} // namespace tarnwick
