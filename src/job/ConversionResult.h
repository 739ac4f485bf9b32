#pragma once

#include "media/SourceStreams.h"

#include <QString>
#include <QStringList>

namespace tarnwick {

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
