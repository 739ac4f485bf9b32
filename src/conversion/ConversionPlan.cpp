#include "conversion/ConversionPlan.h"

namespace tarnwick {

namespace {

// What players of each container take as it is, by FFmpeg's codec names.
// FFmpeg's muxers take more (Vorbis in MP4, FFV1 in QuickTime), but a copy
// is made to play.
const QStringList kMp4Video{"h264", "hevc", "mpeg4", "av1", "vp9", "mpeg1video", "mpeg2video"};
const QStringList kMp4Audio{"aac", "mp3", "ac3", "eac3", "opus", "alac", "mp2"};
const QStringList kMovVideo{"h264", "hevc", "mpeg4", "mpeg1video", "mpeg2video", "mjpeg", "prores", "dnxhd", "qtrle",
                            "png"};
const QStringList kMovAudio{"aac", "mp3", "ac3", "eac3", "alac", "mp2"};

bool movTakesAudio(const QString& codec)
{
    return kMovAudio.contains(codec) || codec.startsWith(QLatin1String("pcm_"));
}

struct Container {
    const char* extension;
    bool takesRotation;
    bool (*takesVideo)(const QString&);
    bool (*takesAudio)(const QString&);
    bool takesBitmapSubtitles;
    const char* textSubtitles; // what text subtitles become; "copy" for as they are
};

const Container kMp4{".mp4", true, [](const QString& c) { return kMp4Video.contains(c); },
                     [](const QString& c) { return kMp4Audio.contains(c); }, false, "mov_text"};
const Container kMov{".mov", true, [](const QString& c) { return kMovVideo.contains(c); }, movTakesAudio, false,
                     "mov_text"};
// Matroska takes nearly every codec, but FFmpeg writes no display rotation
// into it: a turned phone clip would come out sideways.
const Container kMkv{".mkv", false, [](const QString&) { return true; }, [](const QString&) { return true; }, true,
                     "copy"};

bool takesCodecs(const Container& container, const SourceStreams& streams)
{
    for (const VideoStream& video : streams.video) {
        if (!video.attachedPicture && !container.takesVideo(video.codec))
            return false;
    }
    for (const AudioStream& audio : streams.audio) {
        if (!container.takesAudio(audio.codec))
            return false;
    }
    return true;
}

bool hasBitmapSubtitles(const SourceStreams& streams)
{
    for (const SubtitleStream& subtitle : streams.subtitles) {
        if (subtitle.isBitmap())
            return true;
    }
    return false;
}

// The streams copied, each named; subtitles the container cannot take as
// they are become its own text subtitles, or stay behind.
SourceFit copyInto(const Container& container, const SourceStreams& streams)
{
    SourceFit fit;
    bool hevc = false;
    for (const VideoStream& video : streams.video) {
        if (!video.attachedPicture)
            fit.options << QStringLiteral("-map") << QStringLiteral("0:%1").arg(video.index);
        hevc = hevc || video.codec == u"hevc";
    }
    // Apple's players take H.265 only under the tag hvc1.
    if (hevc && container.takesRotation)
        fit.options << QStringLiteral("-tag:v") << QStringLiteral("hvc1");
    for (const AudioStream& audio : streams.audio)
        fit.options << QStringLiteral("-map") << QStringLiteral("0:%1").arg(audio.index);
    int kept = 0;
    int left = 0;
    for (const SubtitleStream& subtitle : streams.subtitles) {
        QString codec;
        if (subtitle.isBitmap() && container.takesBitmapSubtitles)
            codec = QStringLiteral("copy");
        else if (subtitle.isText())
            codec = QString::fromLatin1(container.textSubtitles);
        if (codec.isEmpty()) {
            ++left;
            continue;
        }
        fit.options << QStringLiteral("-map") << QStringLiteral("0:%1").arg(subtitle.index);
        if (codec != u"copy" && codec != subtitle.codec)
            fit.options << QStringLiteral("-c:s:%1").arg(kept) << codec;
        ++kept;
    }
    fit.reasons << QStringLiteral("copy: every stream as it is into %1%2")
                       .arg(QString::fromLatin1(container.extension).mid(1).toUpper(),
                            left ? QStringLiteral(", %1 disc subtitles left out (the container takes none)").arg(left)
                                 : QString());
    // FFmpeg writes a Dolby Vision record into MP4 only when told that
    // it may: without it a player shows the bare base layer, or, where
    // there is none, wrong colours.
    const VideoStream* main = streams.mainVideo();
    if (main && main->dolbyVision.isDeclared() && &container == &kMp4) {
        fit.options << QStringLiteral("-strict") << QStringLiteral("unofficial");
        fit.reasons << QStringLiteral("-strict unofficial: the Dolby Vision record kept");
    }
    return fit;
}

const Container* containerForCopy(const SourceStreams& streams)
{
    if (streams.kinds.isEmpty() || !streams.mainVideo())
        return nullptr;
    const VideoStream* video = streams.mainVideo();
    const bool rotated = video->rotation != 0;
    const bool bitmaps = hasBitmapSubtitles(streams);
    for (const Container* container : {&kMp4, &kMov, &kMkv}) {
        if (rotated && !container->takesRotation)
            continue;
        if (bitmaps && !container->takesBitmapSubtitles && !rotated)
            continue; // Matroska keeps them
        if (takesCodecs(*container, streams))
            return container;
    }
    return nullptr;
}

} // namespace

ConversionPlan planConversion(const SourceStreams& streams, const OutputFormat& chosen, const QString& rotateFilter,
                              const QString& bitrateText, bool webOptimized, bool hdrToSdr)
{
    ConversionPlan plan;
    plan.format = &chosen;
    plan.extension = chosen.extension;
    plan.rotateFilter = rotateFilter;
    plan.bitrateText = bitrateText;
    bool mp4Family = chosen.isMp4Family();
    if (chosen.copies) {
        // A copy re-encodes nothing, so it turns nothing either.
        plan.rotateFilter.clear();
        if (const Container* container = containerForCopy(streams)) {
            plan.extension = QString::fromLatin1(container->extension);
            plan.fit = copyInto(*container, streams);
            mp4Family = container != &kMkv;
        } else {
            plan.format = formatNamed(QStringLiteral("mp4-h264"));
            plan.extension = plan.format->extension;
            plan.bitrateText = defaultBitrate(*plan.format); // a copy was given none
            plan.fit = fitSource(streams, *plan.format, plan.rotateFilter, hdrToSdr);
            plan.fit.reasons.prepend(QStringLiteral("converted to MP4 (H.264): no container keeps the source's "
                                                    "streams as they are"));
        }
    } else {
        plan.fit = fitSource(streams, chosen, rotateFilter, hdrToSdr);
    }
    if (webOptimized && mp4Family) {
        plan.fit.options << QStringLiteral("-movflags") << QStringLiteral("+faststart");
        plan.fit.reasons << QStringLiteral("-movflags +faststart: made for the web, the index before the pictures");
    }
    return plan;
}

} // namespace tarnwick
