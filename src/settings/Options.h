#pragma once

#include <QtGlobal>

namespace tarnwick {

// The options record, held by the main window from start-up to exit and
// stored in options.ini.
struct Options {
    qint16 SoundReminder = 0; // 0 = "ON": beep at the end of a batch
    qint16 MusicCutter = 0;   // not 0: the run's length is CutToSeconds
    qint32 CutFromSeconds = 0;
    qint32 CutToSeconds = 0;
    friend bool operator==(const Options&, const Options&) = default;
};

} // namespace tarnwick
