#pragma once

#include "conversion/OutputFormats.h"
#include "conversion/SourceFit.h"
#include "conversion/SourceStreams.h"

namespace tarnwick {

// How one source becomes one output in the chosen format: the format it
// converts by, the file's extension, the rotation filter and what the source
// needs. A copy picks its container from the source's codecs, or converts
// when no container keeps them.
struct ConversionPlan {
    const OutputFormat* format = nullptr;
    QString extension;
    QString rotateFilter;
    QString bitrateText;
    SourceFit fit;
};

// `webOptimized`: an MP4 or QuickTime file gets its index at the front.
// `hdrToSdr`: HLG and PQ pictures become SDR in every format.
ConversionPlan planConversion(const SourceStreams& streams, const OutputFormat& chosen, const QString& rotateFilter,
                              const QString& bitrateText, bool webOptimized, bool hdrToSdr = false);

} // namespace tarnwick
