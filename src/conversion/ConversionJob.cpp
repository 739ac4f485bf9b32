#include "conversion/ConversionJob.h"

#include "conversion/EncoderCommand.h"
#include "conversion/Rotation.h"

namespace tarnwick {

ConversionJob ConversionJob::forSource(const QString& source, const ProbeResult& probed, const RunSettings& settings,
                                       const OutputFormat& format, const QString& output)
{
    ConversionJob job;
    job.source = source;
    job.output = output;
    job.format = format;
    job.bitrateText = settings.bitrateText;
    job.rotateFilter = Rotation::filterFor(settings.rotationChoice, probed.declaredRotation);
    job.fit = fitSource(probed.streams, format, job.rotateFilter);
    return job;
}

ConsoleCommand ConversionJob::command(const QString& programFolder) const
{
    return conversionCommand(programFolder, source, format, bitrateText, rotateFilter, output, fit);
}

QString refusal(const ProbeResult& probed, const RunSettings& settings)
{
    // What cannot convert at all fails here, with nothing written for it.
    if (const QString reason = unconvertibleReason(probed.streams); !reason.isEmpty())
        return reason;
    if (!formatForIndex(settings.internalIndex))
        return QStringLiteral("No output format is chosen");
    return {};
}

} // namespace tarnwick
