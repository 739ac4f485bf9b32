#pragma once

#include <QString>

namespace tarnwick {

// A name for the first pass's log in the temporary folder, unique to this
// process and conversion.
QString newPassLog();

// The line that says why the encoder failed: its last error line before the
// closing summary ("No space left on device", "Permission denied", ...);
// the last line when none reads as an error.
QString tellingLine(const QString& output);
// Whether an encoder's reason says the output's disk took no more.
bool meansOutputUnwritable(const QString& reason);

} // namespace tarnwick
