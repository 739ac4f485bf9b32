#pragma once

#include "job/RateControl.h"
#include "media/OutputFormats.h"
#include "media/Rotation.h"
#include "media/SoundLevel.h"
#include "media/SourceStreams.h"

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
    int rotationChoice = Rotation::kNone; // a position among the rotation choices
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

// What the probe run found in a source's description.
struct ProbeResult {
    bool ran = false;                         // the encoder could be started
    QString declaredRotation = QStringLiteral("0");
    qint32 lengthSeconds = 0;                 // 0: no length given
    SourceStreams streams;                    // what the description says the source holds
};

// One conversion's outcome.
struct ConversionResult {
    QString source;
    ProbeResult probe; // what the probe found, once it has run
    QString output;
    bool ok = false;
    QString error; // the encoder's most telling line, or why it could not start
    qint32 lengthSeconds = 0;  // the seconds it converts: its time range's, else the source's
    qint32 sourceSeconds = 0;  // the source's whole length; 0: not known
    // The output folder took no more: a full disk, or one that became
    // unwritable. Every file after this one would fail the same way.
    bool outputUnwritable = false;
    QString log; // the conversion's log, where logs are kept
    QStringList added; // why each option beyond the format's own was added
    QStringList unlooked; // what the look before converting could not see
    QStringList notes; // what the user should know of how it went: a size met only by encoding again
    bool stopped = false; // ended by a stop, not by anything of its own
    QString plan; // a dry run's: the commands it would run, each addition's reason, or why not
};

} // namespace tarnwick
