#pragma once

#include "media/OutputFormats.h"
#include "media/SourceFit.h"
#include "media/SourceStreams.h"

#include <QString>

namespace tarnwick {

// Whether the format keeps the source's high dynamic range: a picture in
// HLG or PQ, a format whose video takes 10 bits, and SDR not asked for.
bool keepsHighDynamicRange(const VideoStream& video, const OutputFormat& format, bool hdrToSdr);

// What an HLG or PQ picture needs in this format: kept 10-bit with its
// colour tags and mastering metadata, or tone-mapped to BT.709 SDR. Nothing
// for any other picture.
void fitDynamicRange(SourceFit& fit, const VideoStream& video, const OutputFormat& format, bool hdrToSdr);

// The filters that show an HLG or PQ picture on an ordinary screen, one
// chain for -vf: linear light in 16 bits with BT.709 primaries, the
// source's peak rolled off to SDR white, BT.709's gamma, 8-bit 4:2:0.
QString toneMapFilter(const VideoStream& video);

// The brightness in cd/m² the tone map takes as the source's brightest.
int toneMapPeak(const VideoStream& video);

} // namespace tarnwick
