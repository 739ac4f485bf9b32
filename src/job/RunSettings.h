#pragma once

#include "job/RateControl.h"
#include "media/OutputFormats.h"
#include "media/Rotation.h"
#include "media/SoundLevel.h"

#include <QString>
#include <QStringList>

#include <optional>

class QJsonObject;

namespace tarnwick {

// Everything a batch converts by, taken once when it starts: the window's
// choices and the options record as they were then. Nothing in a batch
// reads them from anywhere else.
struct RunSettings {
    QString outputFolder;    // ends with a separator once the batch has begun
    const OutputFormat* format = nullptr; // one of outputFormats()
    RateControl rate;        // a bitrate (0 kilobits: the format's own), a constant quality or a size
    RotationChoice rotationChoice = RotationChoice::None;
    bool beep = false;       // at the end of the batch
    std::optional<qint32> countedSeconds; // the options record's cut: each run counted as this long
    bool webOptimized = false; // MP4 and MOV files with their index at the front
    bool hdrToSdr = false;   // HLG and PQ sources SDR in every format, not only in the 8-bit ones
    bool cropBlackBars = false; // each encoded picture cropped to what its samples agree is picture
    LoudnessTarget loudness;    // every kept sound track brought to it; off: each keeps its level
    bool planOnly = false;   // a dry run: each source probed and its job planned, nothing run or written
    friend bool operator==(const RunSettings&, const RunSettings&) = default;
};

// Every field, as the batch journal keeps it; read back, nullopt when the
// object is not settings this program wrote.
QJsonObject toJson(const RunSettings& settings);
std::optional<RunSettings> runSettingsFromJson(const QJsonObject& object);

} // namespace tarnwick
