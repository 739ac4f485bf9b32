#include "job/SizePlan.h"

#include "job/RateControl.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace tarnwick {

namespace {

// What a container adds to the streams it holds: headers and an index,
// growing with the packets, and MPEG's and ASF's packing, with the rate.
struct Overhead {
    const char* muxer;
    qint64 fixedBytes;
    qint64 bytesPerSecond;
    double share;
};

const Overhead& overheadOf(const QString& muxer)
{
    static const Overhead overheads[]{
        {"mp4", 2000, 1500, 0},     {"mov", 2000, 1500, 0},    {"matroska", 2000, 1000, 0},
        {"webm", 2000, 1000, 0},    {"avi", 8000, 3000, 0},    {"asf", 5000, 3000, 0.01},
        {"mpeg", 2000, 500, 0.02},  {"", 4000, 2000, 0.01},
    };
    for (const Overhead& o : overheads) {
        if (muxer == QLatin1String(o.muxer) || !*o.muxer)
            return o;
    }
    return overheads[std::size(overheads) - 1];
}

int soundTracks(const SourceStreams& streams, const OutputFormat& format)
{
    if (format.keepsAllTracks)
        return int(streams.audio.size());
    return streams.mainAudio() ? 1 : 0;
}

int even(double side)
{
    return qMax(2, int(std::lround(side / 2)) * 2);
}

double frameRateOf(const VideoStream& video)
{
    return video.frameRate > 0 ? qMin(video.frameRate, 240.0) : 30.0;
}

QString rateText(int kilobits)
{
    return kilobits >= 1000 ? QString::number(kilobits / 1000.0, 'f', 1) + QStringLiteral(" Mb/s")
                            : QString::number(kilobits) + QStringLiteral(" kb/s");
}

} // namespace

QList<PictureSize> pictureSizes(const VideoStream& video)
{
    QList<PictureSize> sizes{{video.width, video.height, 0}};
    if (video.width <= 0 || video.height <= 0)
        return sizes;
    // In square pixels: an anamorphic DVD's 720x480 shows as 853x480.
    const double shownWidth = double(video.width) * qMax(1, video.sarNum) / qMax(1, video.sarDen);
    const double height = video.height;
    const bool portrait = shownWidth < height;
    const double own = portrait ? shownWidth : height;
    for (const int lines : kLineSteps) {
        if (lines >= own)
            continue;
        if (portrait)
            sizes.append({lines, even(lines * height / shownWidth), lines});
        else
            sizes.append({even(lines * shownWidth / height), lines, lines});
    }
    return sizes;
}

int leastKilobits(const PictureSize& picture, const VideoStream& video, const OutputFormat& format)
{
    const double pixels = double(picture.width) * picture.height * frameRateOf(video);
    return qMax(16, int(std::ceil(pixels * format.leastBitsPerPixel / 1000)));
}

std::optional<PictureSize> pictureFor(const VideoStream& video, const OutputFormat& format, int kilobits)
{
    for (const PictureSize& picture : pictureSizes(video)) {
        if (kilobits >= leastKilobits(picture, video, format))
            return picture;
    }
    return std::nullopt;
}

int SizePlan::videoKilobitsFor(double bytes) const
{
    if (seconds <= 0)
        return 0;
    const double bits = (bytes - double(overheadBytes)) * 8 - audioKilobits * 1000.0 * seconds;
    return int(std::floor(bits / seconds / 1000));
}

QString SizePlan::reason() const
{
    return QStringLiteral("-vb %1k: the picture's share of %2 over %3 s, after %4 kb/s of sound and %5 for the "
                          "container, aimed at %6% of it")
        .arg(videoKilobits)
        .arg(sizeText(targetBytes))
        .arg(QString::number(seconds, 'f', 2))
        .arg(audioKilobits)
        .arg(sizeText(overheadBytes))
        .arg(int(kAim * 100));
}

QString SizePlan::smallerReason(const QString& scale) const
{
    if (picture.lines == 0)
        return {};
    return QStringLiteral("%1: %2 leaves %3 for the picture, enough for %4 lines")
        .arg(scale, sizeText(targetBytes), rateText(videoKilobits))
        .arg(picture.lines);
}

SizePlan planSize(const SourceStreams& streams, const OutputFormat& format, qint64 targetBytes, double seconds)
{
    SizePlan plan;
    plan.targetBytes = targetBytes;
    plan.seconds = seconds > 0 ? seconds : streams.duration;
    if (plan.seconds <= 0) {
        plan.refusal =
            QCoreApplication::translate("tarnwick::SizePlan", "its length is not known, so no size can be aimed at");
        return plan;
    }
    plan.audioKilobits = format.audioKilobits * soundTracks(streams, format);
    const Overhead& container = overheadOf(format.container);
    const double fixedOverhead = double(container.fixedBytes) + double(container.bytesPerSecond) * plan.seconds;
    plan.overheadBytes = qint64(fixedOverhead + container.share * double(targetBytes));
    const VideoStream* video = streams.mainVideo();
    int smallestKilobits = 0;
    if (video) {
        const QList<PictureSize> sizes = pictureSizes(*video);
        plan.picture = sizes.first();
        plan.leastVideoKilobits = leastKilobits(sizes.first(), *video, format);
        smallestKilobits = leastKilobits(sizes.last(), *video, format);
    }
    // The smallest target S whose aim leaves the smallest picture its least
    // rate: kAim * S = streams + container's fixed share + its share of S.
    // (A kilobit more for the picture: the rate is rounded down.)
    const double streamBytes = double(smallestKilobits + 1 + plan.audioKilobits) * 1000 / 8 * plan.seconds;
    plan.smallestBytes = qint64(std::ceil((streamBytes + fixedOverhead) / (SizePlan::kAim - container.share)));
    plan.videoKilobits = plan.videoKilobitsFor(SizePlan::kAim * double(targetBytes));
    // Too few bits for the picture at its own size: a smaller one looks
    // better than blocks, and far better than no file at all.
    const std::optional<PictureSize> smaller =
        video && plan.videoKilobits < plan.leastVideoKilobits ? pictureFor(*video, format, plan.videoKilobits)
                                                              : std::nullopt;
    if (smaller) {
        plan.picture = *smaller;
        plan.leastVideoKilobits = leastKilobits(*smaller, *video, format);
    }
    if (plan.videoKilobits < plan.leastVideoKilobits) {
        const double soundBytes = double(plan.audioKilobits) * 1000 / 8 * plan.seconds;
        plan.refusal = soundBytes + double(plan.overheadBytes) >= double(targetBytes)
                           ? QCoreApplication::translate("tarnwick::SizePlan",
                                                         "%1 is less than the sound alone needs; the smallest "
                                                         "size that works is %2")
                           : QCoreApplication::translate("tarnwick::SizePlan",
                                                         "%1 leaves too little for a picture worth watching; the "
                                                         "smallest size that works is %2");
        plan.refusal = plan.refusal.arg(sizeText(targetBytes), sizeText(plan.smallestBytes, true));
    }
    return plan;
}

int nextKilobits(const SizePlan& plan, const QList<SizeTry>& tries)
{
    if (tries.isEmpty())
        return 0;
    const SizeTry& last = tries.last();
    const double target = double(plan.targetBytes);
    const bool over = last.madeBytes > plan.targetBytes;
    if ((!over && last.madeBytes >= SizePlan::kLeast * target) || tries.size() >= SizePlan::kMaxTries)
        return 0;
    const auto picture = [&plan](const SizeTry& t) {
        return t.videoBytes > 0 ? double(t.videoBytes)
                                : double(t.madeBytes) - (double(plan.audioKilobits) * 1000 / 8 * plan.seconds +
                                                         double(plan.overheadBytes));
    };
    // The picture the aim leaves beside what the sound and container took.
    const double wanted = SizePlan::kAim * target - (double(last.madeBytes) - picture(last));
    if (picture(last) <= 0 || wanted <= 0)
        return 0;
    // How the picture grows with the rate, as a power: encoders come near
    // 1 at small rates and fall towards 0.5 where the picture needs
    // little more. Measured by the last two tries when there are two.
    double elasticity = 0.7;
    if (tries.size() >= 2) {
        const SizeTry& before = tries.at(tries.size() - 2);
        if (before.kilobits != last.kilobits && picture(before) > 0) {
            const double measured =
                std::log(picture(last) / picture(before)) / std::log(double(last.kilobits) / before.kilobits);
            if (!over && last.kilobits > before.kilobits && measured < 0.1)
                return 0;
            elasticity = qBound(0.3, measured, 1.5);
        }
    }
    double next = last.kilobits * std::pow(wanted / picture(last), 1 / elasticity);
    if (over)
        next = qMin(next, last.kilobits * 0.97); // always a step down
    return qBound(1, int(std::floor(next)), last.kilobits * 4);
}

qint64 videoBytesOf(const QString& encoderOutput)
{
    static const QRegularExpression summary(QStringLiteral("video:(\\d{1,12})kB audio:"));
    QRegularExpressionMatchIterator all = summary.globalMatch(encoderOutput);
    qint64 bytes = -1;
    while (all.hasNext())
        bytes = all.next().captured(1).toLongLong() * 1024;
    return bytes;
}

} // namespace tarnwick
