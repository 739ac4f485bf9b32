#include "media/SourceFitRules.h"

#include "media/HdrFit.h"

#include <cmath>

namespace tarnwick {

namespace {

// Rates are printed with two decimals (23.98 for 24000/1001).
constexpr double kRateTolerance = 0.01;

bool rateAllowed(double rate, const QList<FrameRate>& allowed)
{
    for (const FrameRate& candidate : allowed) {
        if (std::fabs(candidate.value() - rate) < kRateTolerance)
            return true;
    }
    return false;
}

template <typename T, typename Distance>
T nearest(const QList<T>& allowed, Distance distance)
{
    T best = allowed.first();
    for (const T& candidate : allowed) {
        if (distance(candidate) < distance(best))
            best = candidate;
    }
    return best;
}

QString sizeText(int width, int height)
{
    return QStringLiteral("%1x%2").arg(width).arg(height);
}

bool rateRefused(const CodecLimits& limits, int sampleRate)
{
    return !limits.sampleRates.isEmpty() && sampleRate > 0 && !limits.sampleRates.contains(sampleRate);
}

// "-ar" to the format's rate nearest to `from`.
void resample(SourceFit& fit, const CodecLimits& limits, int from)
{
    const int rate = nearest(limits.sampleRates, [from](int r) { return std::abs(qint64(r) - from); });
    fit.options << QStringLiteral("-ar") << QString::number(rate);
    fit.reasons << QStringLiteral("-ar %1: this format's sound does not take %2 Hz").arg(rate).arg(from);
}

// Every format here is progressive: two fields woven into one frame comb
// whatever moves. bwdif keeps what stands still sharp, follows each frame's
// own field order and leaves frames marked progressive as they are (a
// broadcast switches between the two); one frame out for each frame in keeps
// the source's rate.
void deinterlace(SourceFit& fit, const VideoStream& video)
{
    // FFmpeg says nothing of DV's fields, but standard-definition DV is
    // filmed bottom field first, and its frames say so.
    const bool dv = video.fieldOrder == FieldOrder::Unknown && video.codec == u"dvvideo" &&
                    (video.height == 480 || video.height == 576);
    QString order;
    switch (dv ? FieldOrder::BottomFirst : video.fieldOrder) {
    case FieldOrder::TopFirst:
        order = QStringLiteral("top field first");
        break;
    case FieldOrder::BottomFirst:
        order = dv ? QStringLiteral("bottom field first, as DV is") : QStringLiteral("bottom field first");
        break;
    case FieldOrder::TopCodedFirst:
        order = QStringLiteral("top field coded first");
        break;
    case FieldOrder::BottomCodedFirst:
        order = QStringLiteral("bottom field coded first");
        break;
    case FieldOrder::Unknown:
    case FieldOrder::Progressive:
        return;
    }
    fit.firstFilters << QStringLiteral("bwdif=mode=send_frame:parity=auto:deint=interlaced");
    fit.reasons << QStringLiteral("bwdif: the source is interlaced (%1)").arg(order);
}

// The format keeps every audio track, each fitted on its own, and the
// subtitles its container takes.
void keepTracks(SourceFit& fit, const SourceStreams& streams, const OutputFormat& format)
{
    const CodecLimits& limits = format.accepts;
    QStringList maps;
    // An unlinked picture is the graph's output, which the file takes unasked.
    const VideoStream* picture = streams.mainVideo();
    if (picture && fit.unlinkedPicture < 0)
        maps << QStringLiteral("-map") << QStringLiteral("0:%1").arg(picture->index);
    else if (!picture)
        maps << QStringLiteral("-map") << QStringLiteral("0:v:0?");
    maps << QStringLiteral("-map") << QStringLiteral("0:a?");
    int highestRate = 0;
    bool refused = false;
    for (qsizetype n = 0; n < streams.audio.size(); ++n) {
        const AudioStream& audio = streams.audio[n];
        if (limits.refusedLayouts.contains(audio.layout)) {
            fit.options << QStringLiteral("-ac:a:%1").arg(n) << QString::number(audio.channels);
            fit.reasons << QStringLiteral("-ac:a:%1 %2: this format's sound takes no %3 layout")
                               .arg(n)
                               .arg(audio.channels)
                               .arg(audio.layout);
        }
        if (limits.maxChannels > 0 && audio.channels > limits.maxChannels) {
            fit.options << QStringLiteral("-ac:a:%1").arg(n) << QString::number(limits.maxChannels);
            fit.reasons << QStringLiteral("-ac:a:%1 %2: this format's sound takes at most %2 channels")
                               .arg(n)
                               .arg(limits.maxChannels);
        }
        refused = refused || rateRefused(limits, audio.sampleRate);
        highestRate = qMax(highestRate, audio.sampleRate);
    }
    // One rate serves every track.
    if (refused)
        resample(fit, limits, highestRate);
    int kept = 0;
    for (const SubtitleStream& subtitle : streams.subtitles) {
        const QString codec = subtitleCodec(subtitle, format.textSubtitles, format.bitmapSubtitles);
        if (codec.isEmpty())
            continue;
        maps << QStringLiteral("-map") << QStringLiteral("0:%1").arg(subtitle.index) << QStringLiteral("-c:s:%1").arg(kept)
             << codec;
        ++kept;
    }
    // With one picture, one sound and nothing else FFmpeg picks them itself.
    int pictures = 0;
    for (const VideoStream& video : streams.video)
        pictures += video.attachedPicture ? 0 : 1;
    if (streams.audio.size() <= 1 && kept == 0 && pictures <= 1)
        return;
    fit.options = maps + fit.options;
    fit.reasons.prepend(QStringLiteral("-map: every audio track kept, and %1 of %2 subtitles")
                            .arg(kept)
                            .arg(streams.subtitles.size()));
}

} // namespace

FrameRate nearestRate(double rate, const QList<FrameRate>& allowed)
{
    return nearest(allowed, [rate](const FrameRate& r) { return std::fabs(r.value() - rate); });
}

QString subtitleCodec(const SubtitleStream& subtitle, const QString& textCodec, bool keepsBitmaps)
{
    if (subtitle.isBitmap())
        return keepsBitmaps ? QStringLiteral("copy") : QString();
    if (!subtitle.isText() || textCodec.isEmpty())
        return {};
    // SubRip readers take the styled ASS and SSA as they are.
    const bool same = textCodec == u"copy" || subtitle.codec == textCodec ||
                      (textCodec == u"srt" && (subtitle.codec == u"ass" || subtitle.codec == u"ssa"));
    return same ? QStringLiteral("copy") : textCodec;
}

SourceFit fitSource(const SourceStreams& streams, const OutputFormat& format, const RotationFilters& turn, bool hdrToSdr,
                    const PictureLook& look)
{
    SourceFit fit;
    const CodecLimits& limits = format.accepts;
    if (const VideoStream* video = streams.mainVideo()) {
        if (look.fields == FieldLook::Unread || look.fields == FieldLook::Interlaced)
            deinterlace(fit, *video);
        fitPictureLook(fit, look, *video);
        // HDR kept has a depth of its own.
        if (!keepsHighDynamicRange(*video, format, hdrToSdr) && !limits.pixelFormats.isEmpty() &&
            !video->pixelFormat.isEmpty() &&
            !limits.pixelFormats.contains(video->pixelFormat)) {
            fit.options << QStringLiteral("-pix_fmt") << limits.pixelFormats.first();
            fit.reasons << QStringLiteral("-pix_fmt %1: the %2 pictures of the source would give a profile "
                                          "players of this format refuse")
                               .arg(limits.pixelFormats.first(), video->pixelFormat);
        }
        // Sides as they come out: FFmpeg turns a picture by its display
        // rotation before the filter chain, and the chain may turn it again.
        // A crop is of the picture already turned by its display rotation.
        int width = video->width;
        int height = video->height;
        bool across = video->quarterTurned() != (turn.quarterTurns() % 2 == 1);
        if (!look.crop.isEmpty()) {
            width = look.crop.width;
            height = look.crop.height;
            across = turn.quarterTurns() % 2 == 1;
        }
        if (across)
            std::swap(width, height);
        if (width > 0 && height > 0) {
            // The scale filter keeps the display aspect by adjusting the
            // sample aspect, so a picture never comes out stretched.
            if (limits.maxSide > 0 && (width > limits.maxSide || height > limits.maxSide)) {
                fit.filters << QStringLiteral("scale=%1:%1:force_original_aspect_ratio=decrease:force_divisible_by=2")
                                   .arg(limits.maxSide);
                fit.reasons << QStringLiteral("scale: %1 is above the %2 pixels a side this format's video takes")
                                   .arg(sizeText(width, height))
                                   .arg(limits.maxSide);
            } else if (limits.minSide > 0 && (width < limits.minSide || height < limits.minSide)) {
                fit.filters << QStringLiteral("scale=%1:%1:force_original_aspect_ratio=increase:force_divisible_by=2")
                                   .arg(limits.minSide);
                fit.reasons << QStringLiteral("scale: %1 is below the %2 pixels a side this format's video takes")
                                   .arg(sizeText(width, height))
                                   .arg(limits.minSide);
            } else if (limits.evenSize && (width % 2 != 0 || height % 2 != 0)) {
                fit.filters << QStringLiteral("scale=trunc(iw/2)*2:trunc(ih/2)*2");
                fit.reasons << QStringLiteral("scale: %1 has an odd side, which this format's video cannot take")
                                   .arg(sizeText(width, height));
            }
        }
        const double frameRate = look.frameRate(*video);
        if (!limits.frameRates.isEmpty() && frameRate > 0 && !rateAllowed(frameRate, limits.frameRates)) {
            const FrameRate rate = nearestRate(frameRate, limits.frameRates);
            fit.options << QStringLiteral("-r") << rate.text();
            fit.reasons << QStringLiteral("-r %1: this format's video does not take %2 frames a second")
                               .arg(rate.text(), QString::number(frameRate, 'g', 6));
        }
        // Last in the chain: the turns and sizes before it work on the
        // decoded 10-bit picture, and a smaller picture is quicker to map.
        fitDynamicRange(fit, *video, format, hdrToSdr);
    }
    if (format.keepsAllTracks)
        keepTracks(fit, streams, format);
    else if (const AudioStream* audio = streams.mainAudio()) {
        if (limits.maxChannels > 0 && audio->channels > limits.maxChannels) {
            fit.options << QStringLiteral("-ac") << QString::number(limits.maxChannels);
            fit.reasons << QStringLiteral("-ac %1: this format's sound takes at most %1 channels, the source has %2")
                               .arg(limits.maxChannels)
                               .arg(audio->channels);
        }
        if (rateRefused(limits, audio->sampleRate))
            resample(fit, limits, audio->sampleRate);
    }
    return fit;
}

} // namespace tarnwick
