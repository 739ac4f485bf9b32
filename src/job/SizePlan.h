#pragma once

#include "media/OutputFormats.h"
#include "media/SourceStreams.h"

#include <QList>
#include <QString>

#include <optional>

namespace tarnwick {

// The size a picture is encoded at: its own, or made smaller to a number
// of lines on its shorter side (a portrait picture's width), in square
// pixels with the display aspect kept and even sides, which every format's
// pictures take.
struct PictureSize {
    int width = 0;
    int height = 0;
    int lines = 0; // 0: its own size
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The smaller sizes people know a picture by, in lines.
inline constexpr int kLineSteps[] = {1080, 720, 540, 480, 360, 240};

// The sizes `video` may be encoded at, the largest first: its own, then
// each step below its own lines.
QList<PictureSize> pictureSizes(const VideoStream& video);
// The least rate, kilobits a second, for a picture of this size at the
// video's frame rate to be worth watching in `format`.
int leastKilobits(const PictureSize& picture, const VideoStream& video, const OutputFormat& format);
// The largest of pictureSizes(video) whose least rate `kilobits` meet;
// nullopt when even the smallest needs more.
std::optional<PictureSize> pictureFor(const VideoStream& video, const OutputFormat& format, int kilobits);

// How a target size is shared out over an output's length: the container
// first, then the sound at the format's rate, and the picture the rest,
// aimed a little below the target, which an encoder's rate control misses
// by a few hundredths either way.
struct SizePlan {
    static constexpr double kAim = 0.95;     // of the target, the whole file
    static constexpr double kLeast = 0.90;   // a result below this share of the target is made again
    static constexpr int kMaxTries = 4;      // encodes of the last pass, the first included

    qint64 targetBytes = 0;
    double seconds = 0;         // the output's length
    int audioKilobits = 0;      // every sound track together
    qint64 overheadBytes = 0;   // the container's own, as it grows with the length
    int leastVideoKilobits = 0; // below it the picture is not worth watching
    int videoKilobits = 0;      // what the picture gets
    PictureSize picture;        // the size it is encoded at; lines 0: its own
    qint64 smallestBytes = 0;   // the smallest target that works
    QString refusal;            // why the target cannot be met; empty when it can

    // What the picture may take of `bytes` for the whole file.
    int videoKilobitsFor(double bytes) const;
    // The line the log and the dry run show for the plan.
    QString reason() const;
    // Why the picture was made smaller, for the log and the dry run; empty when it was not.
    QString smallerReason(const QString& scale) const;
};

// The plan for `targetBytes` when `streams` become `format`, lasting
// `seconds` (0: as long as the source).
SizePlan planSize(const SourceStreams& streams, const OutputFormat& format, qint64 targetBytes, double seconds = 0);

// One encode aiming at the size: the rate it was given, the bytes of the
// whole file and of its picture (-1: not known).
struct SizeTry {
    int kilobits = 0;
    qint64 madeBytes = 0;
    qint64 videoBytes = -1;
};

// After `tries` (in order): the rate to encode at again, or 0 when the last
// stands: at most the target and at least kLeast of it, no tries left, or
// a higher rate that made the picture hardly larger (it needs no more).
int nextKilobits(const SizePlan& plan, const QList<SizeTry>& tries);

// The picture's bytes as the encoder's closing summary gives them
// ("video:1234kB audio:..."); -1 when it does not.
qint64 videoBytesOf(const QString& encoderOutput);

} // namespace tarnwick
