#pragma once

#include "media/OutputFormats.h"
#include "media/PictureLook.h"
#include "media/RotationFilters.h"
#include "media/SourceFit.h"
#include "media/SourceStreams.h"

namespace tarnwick {

// `turn`: its quarter turns, with the source's own display rotation, decide
// which side of the picture is its width. `hdrToSdr`: HLG and PQ pictures
// become SDR in the formats that could keep them too. `look`: what the
// pictures showed, which decides the fields over the description and gives
// the picture's size and rate after its filters.
SourceFit fitSource(const SourceStreams& streams, const OutputFormat& format, const RotationFilters& turn, bool hdrToSdr = false,
                    const PictureLook& look = {});

// The codec a subtitle becomes in an output whose text subtitles become
// `textCodec` ("copy": as they are; empty: dropped) and that keeps bitmap
// subtitles or not: "copy", a codec, or empty when it is left out.
QString subtitleCodec(const SubtitleStream& subtitle, const QString& textCodec, bool keepsBitmaps);

// The rate of `allowed` nearest to `rate`.
FrameRate nearestRate(double rate, const QList<FrameRate>& allowed);

} // namespace tarnwick
