#pragma once

#include <QString>

namespace tarnwick {

// True if at least one running process has the given executable file name,
// compared without regard to case. The walk is system-wide: a process of that
// name started by anyone counts.
bool runningProcessNamed(const QString& executableName);

} // namespace tarnwick
