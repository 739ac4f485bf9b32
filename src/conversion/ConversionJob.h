#pragma once

#include "conversion/ConversionPlan.h"
#include "conversion/OutputFormats.h"
#include "conversion/RunSettings.h"
#include "conversion/SourceFit.h"
#include "process/ConsoleCommand.h"

#include <QString>

namespace tarnwick {

// One conversion as a value: the file it reads, the file it writes, and
// every choice the encoder is given for it. Everything that runs, logs,
// journals or prints a conversion takes it from here, and its command is
// built from it and nowhere else.
struct ConversionJob {
    QString source;
    QString output;
    OutputFormat format;
    QString bitrateText;  // kilobits per second, inserted as it is
    QString rotateFilter; // a complete "-vf" option, or empty
    SourceFit fit;        // what this source needs beyond the format's options

    // The job for a source by its plan, written to `output` (whose
    // extension is the plan's).
    static ConversionJob fromPlan(const QString& source, const ConversionPlan& plan, const QString& output);

    ConsoleCommand command(const QString& programFolder) const;
    // Why each option beyond the format's own was added, one line each.
    const QStringList& added() const { return fit.reasons; }
};

// Why a probed source cannot be converted with these settings; empty when
// it can.
QString refusal(const ProbeResult& probed, const RunSettings& settings);

// How a probed source converts with a run's settings into the chosen format.
ConversionPlan planFor(const ProbeResult& probed, const RunSettings& settings, const OutputFormat& chosen);

} // namespace tarnwick
