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
                          settings.bitrateText, settings.webOptimized, settings.hdrToSdr);
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
    const OutputFormat* format = formatForIndex(settings.internalIndex);
    if (!format)
        return Converter::tr("No output format is chosen");
    // Profile 5's picture is in Dolby's own colours, which no encoder here
    // can turn into any other: only a copy keeps it right.
    if (const VideoStream* video = probed.streams.mainVideo();
        video && video->dolbyVision.needsDolbyPlayer() && !planFor(probed, settings, *format).format->copies)
        return Converter::tr("its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; "
                             "Same as Source (Copy) keeps it as it is")
            .arg(video->dolbyVision.profile);
    return {};
}

} // namespace tarnwick
