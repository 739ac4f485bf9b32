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

} // namespace tarnwick
