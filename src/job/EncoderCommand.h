#pragma once

#include "process/ConsoleCommand.h"

#include <QString>


namespace tarnwick {

// <program folder>/data/conv.exe, the folder joined unchanged (a folder at
// the root gives a doubled separator, which the system accepts).
QString encoderPath(const QString& programFolder);

// The input's description only: the encoder prints it and ends.
ConsoleCommand probeCommand(const QString& programFolder, const QString& sourcePath);

} // namespace tarnwick
