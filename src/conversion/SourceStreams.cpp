#include "conversion/SourceStreams.h"

#include <QStringList>

namespace tarnwick {

bool SubtitleStream::isText() const
{
    static const QStringList text{QStringLiteral("subrip"), QStringLiteral("srt"),      QStringLiteral("ass"),
                                  QStringLiteral("ssa"),    QStringLiteral("mov_text"), QStringLiteral("webvtt"),
                                  QStringLiteral("text"),   QStringLiteral("microdvd"), QStringLiteral("subviewer"),
                                  QStringLiteral("sami"),   QStringLiteral("realtext"), QStringLiteral("stl")};
    return text.contains(codec);
}

bool SubtitleStream::isBitmap() const
{
    static const QStringList bitmap{QStringLiteral("dvd_subtitle"), QStringLiteral("hdmv_pgs_subtitle"),
                                    QStringLiteral("dvb_subtitle"), QStringLiteral("xsub")};
    return bitmap.contains(codec);
}

QString VideoStream::hdrTransfer() const
{
    static const QString pq = QStringLiteral("smpte2084");
    static const QString hlg = QStringLiteral("arib-std-b67");
    if (transfer == pq || transfer == hlg)
        return transfer;
    // A Dolby Vision file may leave its base layer's transfer unsaid.
    if (transfer.isEmpty() && dolbyVision.isDeclared()) {
        if (dolbyVision.compatibility == 1 || dolbyVision.compatibility == 6)
            return pq;
        if (dolbyVision.compatibility == 4)
            return hlg;
    }
    return {};
}

const VideoStream* SourceStreams::mainVideo() const
{
    const VideoStream* best = nullptr;
    for (const VideoStream& stream : video) {
        if (stream.attachedPicture)
            continue;
        if (!best || qint64(stream.width) * stream.height > qint64(best->width) * best->height)
            best = &stream;
    }
    return best;
}

const AudioStream* SourceStreams::mainAudio() const
{
    const AudioStream* best = nullptr;
    for (const AudioStream& stream : audio) {
        if (!best || stream.channels > best->channels)
            best = &stream;
    }
    return best;
}

QString unconvertibleReason(const SourceStreams& streams)
{
    if (!streams.described) {
        if (streams.openError.isEmpty())
            return {};
        // A file that is gone or shut to us says so best in the system's words.
        if (streams.openError.endsWith(QLatin1String("No such file or directory")) ||
            streams.openError.endsWith(QLatin1String("Permission denied")))
            return streams.openError;
        return QStringLiteral("not a video file FFmpeg can read");
    }
    if (streams.kinds.isEmpty())
        return {};
    const VideoStream* video = streams.mainVideo();
    if (!video)
        return QStringLiteral("no video stream");
    if (video->codec == u"none")
        return QStringLiteral("its video is in a codec FFmpeg cannot decode");
    return {};
}

} // namespace tarnwick
