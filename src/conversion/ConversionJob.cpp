#include "conversion/ConversionJob.h"

#include "conversion/Converter.h"
#include "conversion/EncoderCommand.h"
#include "conversion/Rotation.h"

namespace tarnwick {

ConversionJob ConversionJob::fromPlan(const QString& source, const ConversionPlan& plan, const QString& output)
{
    ConversionJob job;
    job.source = source;
    job.output = output;
    job.format = *plan.format;
    job.bitrateText = plan.bitrateText;
    job.rotateFilter = plan.rotateFilter;
    job.fit = plan.fit;
    return job;
}

ConversionPlan planFor(const ProbeResult& probed, const RunSettings& settings, const OutputFormat& chosen)
{
    return planConversion(probed.streams, chosen, Rotation::filterFor(settings.rotationChoice, probed.declaredRotation),
                          settings.bitrateText, settings.webOptimized);
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
        return Converter::tr("No output format is chosen");
    return {};
}

} // namespace tarnwick
