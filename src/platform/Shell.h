#pragma once

#include <QString>

namespace tarnwick {

// The shell seam: opening a folder, file or address with the program the
// desktop associates with it, and the system beep.
class Shell
{
public:
    virtual ~Shell() = default;
    // A local file or folder. False when nothing could open it.
    virtual bool openPath(const QString& path) = 0;
    // An address: "mailto:...", "file:...", "https:...".
    virtual bool openAddress(const QString& address) = 0;
    virtual void beep() = 0;
};

} // namespace tarnwick
