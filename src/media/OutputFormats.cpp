#include "media/OutputFormats.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

// Positions in the bitrate list.
constexpr int k1000 = 1;
constexpr int k1500 = 2;
constexpr int k2000 = 3;
constexpr int k3000 = 4;
constexpr int k5000 = 5;

// AAC itself goes up to 96 kHz, but phones, televisions and car players of
// MP4 and MOV files stop at 48 kHz.
QList<int> aacPlayerRates()
{
    return {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
}

CodecLimits mpeg4Limits()
{
    CodecLimits limits;
    limits.sampleRates = aacPlayerRates();
    return limits;
}

// The formats players of H.264 files take: 8-bit 4:2:0 at High profile or
// below. Anything else (10-bit, 4:2:2, 4:4:4, RGB) makes x264 choose a
// profile phones, televisions and browsers refuse.
CodecLimits h264Limits()
{
    CodecLimits limits;
    limits.pixelFormats = {QStringLiteral("yuv420p")};
    limits.evenSize = true;
    limits.sampleRates = aacPlayerRates();
    return limits;
}

// MPEG-1 takes only the rates of its table (FFmpeg would pick one of the
// unofficial ones for 12 or 15 fps and then refuse it), at most 4095 pixels
// a side; its MP2 sound resamples and downmixes by itself.
CodecLimits mpeg1Limits()
{
    CodecLimits limits;
    limits.maxSide = 4095;
    limits.frameRates = {{24000, 1001}, {24, 1}, {25, 1}, {30000, 1001}, {30, 1}, {50, 1}, {60000, 1001}, {60, 1}};
    return limits;
}

// The WMA encoder takes at most two channels and rates up to 48 kHz, and
// converts neither by itself.
CodecLimits wmvLimits()
{
    CodecLimits limits;
    limits.maxChannels = 2;
    limits.sampleRates = {8000, 11025, 16000, 22050, 24000, 32000, 44100, 48000};
    return limits;
}

// Formats after the seven: the encoders of today. Sides and pixels as for
// H.264; SVT-AV1 takes no side under 64 pixels; Opus refuses the 5.1(side)
// layout of DVD and Blu-ray sound.
CodecLimits modernLimits(bool aac)
{
    CodecLimits limits = h264Limits();
    if (!aac) {
        limits.sampleRates.clear();
        limits.refusedLayouts = {QStringLiteral("5.1(side)")};
    }
    return limits;
}

CodecLimits av1Limits(bool aac)
{
    CodecLimits limits = modernLimits(aac);
    limits.minSide = 64;
    return limits;
}

// What each encoder is given beyond its bitrate. Defaults keep a phone's
// clip looking as it did (an SSIM of 0.95 or more against it); x264's scale
// starts at 1 because its 0 is lossless, in a profile players refuse.
// Below its least picture rate a smaller picture looks better than the
// picture at its own size, or the encoder cannot keep to the rate at all.
// On a grainy 720p phone clip, against the clean pictures: x264 at its own
// size beats 540 lines down to 0.036 bits a pixel and ties at 0.025, and
// 480 lines win at 0.017; x265 still beats 540 lines at 0.025. MPEG-1,
// MPEG-4 and WMV keep ahead to 0.065, but their rate control overshoots
// by up to a sixth there and gives up at 0.036 ("bitrate too low"): 0.1
// leaves room for the passes that correct the size.
struct EncoderRate {
    const char* encoder;
    QualityScale quality;
    Passes passes;
    double leastBitsPerPixel;
    QStringList sizeOptions = {};
};

// FFmpeg's own rate control stops at quantiser 2 (its least Lagrange
// factor, 2 * 118): short clips at generous sizes come out well below them.
const QStringList kFinestQuantiser{"-qmin", "1", "-lmin", "118"};

const QList<EncoderRate>& encoderRates()
{
    static const QList<EncoderRate> rates{
        {"mpeg4", {"-q:v", QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "quantiser"), 1, 31, 4}, Passes::FFmpeg, 0.1, kFinestQuantiser},
        {"msmpeg4", {"-q:v", QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "quantiser"), 1, 31, 4}, Passes::FFmpeg, 0.1, kFinestQuantiser},
        {"mpeg1video", {"-q:v", QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "quantiser"), 1, 31, 4}, Passes::FFmpeg, 0.1, kFinestQuantiser},
        {"libx264", {"-crf", "CRF", 1, 51, 23}, Passes::FFmpeg, 0.03},
        {"libx265", {"-crf", "CRF", 0, 51, 26}, Passes::X265, 0.025},
        {"libsvtav1", {"-crf", "CRF", 1, 63, 35}, Passes::One, 0.035},
        {"libvpx-vp9", {"-crf", "CRF", 0, 63, 32, false, {"-b:v", "0"}}, Passes::FFmpeg, 0.035},
    };
    return rates;
}

// Each sound track's rate aiming at a size: what the encoders give stereo by
// themselves, Opus a little less for the same sound.
int audioKilobitsOf(const QString& encoder)
{
    return encoder == u"libopus" ? 96 : encoder == u"copy" ? 0 : 128;
}

void addRates(OutputFormat& format)
{
    for (const EncoderRate& rate : encoderRates()) {
        if (format.videoCodec == QLatin1String(rate.encoder)) {
            format.quality = rate.quality;
            format.passes = rate.passes;
            format.leastBitsPerPixel = rate.leastBitsPerPixel;
            format.sizeOptions = rate.sizeOptions;
        }
    }
    format.audioKilobits = audioKilobitsOf(format.audioCodec);
}

QList<OutputFormat> makeFormats()
{
    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    QList<OutputFormat> formats;
    formats.append({.position = 0, .internalIndex = 4, .cliName = s("mp4"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "MP4(High Quality MPEG4 Video)")),
                    .extension = s(".mp4"), .container = s("mp4"), .videoCodec = s("mpeg4"), .audioCodec = s("aac"),
                    .defaultBitratePosition = k5000, .arguments = {"-vcodec", "mpeg4"}, .accepts = mpeg4Limits()});
    formats.append({.position = 1, .internalIndex = 2, .cliName = s("mp4-h264"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "MP4(H264 Video)")),
                    .extension = s(".mp4"), .container = s("mp4"), .videoCodec = s("libx264"), .audioCodec = s("aac"),
                    .defaultBitratePosition = k5000, .arguments = {"-vcodec", "h264"}, .accepts = h264Limits()});
    formats.append({.position = 2, .internalIndex = 3, .cliName = s("avi"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "AVI(Standard MPEG4 Video)")),
                    .extension = s(".avi"), .container = s("avi"), .videoCodec = s("mpeg4"),
                    .audioCodec = s("libmp3lame"), .defaultBitratePosition = k5000, .arguments = {}, .accepts = {}});
    formats.append({.position = 3, .internalIndex = 5, .cliName = s("mov"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "MOV(Apple/QuickTime Video)")),
                    .extension = s(".mov"), .container = s("mov"), .videoCodec = s("libx264"), .audioCodec = s("aac"),
                    .defaultBitratePosition = k5000, .arguments = {}, .accepts = h264Limits()});
    // Written as MP4 inside, whatever the extension says.
    formats.append({.position = 4, .internalIndex = 0, .cliName = s("flv"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "FLV(Flash Video)")),
                    .extension = s(".flv"), .container = s("mp4"), .videoCodec = s("libx264"), .audioCodec = s("aac"),
                    .defaultBitratePosition = k1000, .arguments = {"-f", "mp4"}, .accepts = h264Limits()});
    formats.append({.position = 5, .internalIndex = 6, .cliName = s("wmv"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "WMV(Windows Media Video)")),
                    .extension = s(".wmv"), .container = s("asf"), .videoCodec = s("msmpeg4"), .audioCodec = s("wmav2"),
                    .defaultBitratePosition = k3000, .arguments = {}, .accepts = wmvLimits()});
    formats.append({.position = 6, .internalIndex = 7, .cliName = s("mpg"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "MPG(MPEG1 Video)")),
                    .extension = s(".mpg"), .container = s("mpeg"), .videoCodec = s("mpeg1video"),
                    .audioCodec = s("mp2"), .defaultBitratePosition = k1500, .arguments = {"-vcodec", "mpeg1video"},
                    .accepts = mpeg1Limits()});
    // The internal list's positions 1 and 8 stay unused; these continue it.
    formats.append({.position = 7, .internalIndex = 9, .cliName = s("mp4-h265"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "MP4(H265/HEVC Video)")),
                    .extension = s(".mp4"), .container = s("mp4"), .videoCodec = s("libx265"), .audioCodec = s("aac"),
                    .defaultBitratePosition = k3000,
                    // hvc1: the tag Apple's players insist on.
                    .arguments = {"-vcodec", "libx265", "-tag:v", "hvc1", "-acodec", "aac"}, .accepts = modernLimits(true),
                    .keepsAllTracks = true, .textSubtitles = s("mov_text"), .hdrPixelFormat = s("yuv420p10le")});
    // Preset 10 encodes 720p faster than x264's default on a laptop.
    formats.append({.position = 8, .internalIndex = 10, .cliName = s("mp4-av1"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "MP4(AV1 Video)")),
                    .extension = s(".mp4"), .container = s("mp4"), .videoCodec = s("libsvtav1"), .audioCodec = s("aac"),
                    .defaultBitratePosition = k2000, .arguments = {"-vcodec", "libsvtav1", "-preset", "10", "-acodec", "aac"},
                    .accepts = av1Limits(true), .keepsAllTracks = true, .textSubtitles = s("mov_text"),
                    .hdrPixelFormat = s("yuv420p10le")});
    formats.append({.position = 9, .internalIndex = 11, .cliName = s("webm-av1"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "WebM(AV1 Video)")),
                    .extension = s(".webm"), .container = s("webm"), .videoCodec = s("libsvtav1"),
                    .audioCodec = s("libopus"), .defaultBitratePosition = k2000,
                    .arguments = {"-vcodec", "libsvtav1", "-preset", "10", "-acodec", "libopus"}, .accepts = av1Limits(false),
                    .keepsAllTracks = true, .textSubtitles = s("webvtt"), .hdrPixelFormat = s("yuv420p10le")});
    formats.append({.position = 10, .internalIndex = 12, .cliName = s("webm-vp9"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "WebM(VP9 Video)")),
                    .extension = s(".webm"), .container = s("webm"), .videoCodec = s("libvpx-vp9"),
                    .audioCodec = s("libopus"), .defaultBitratePosition = k3000,
                    .arguments = {"-vcodec", "libvpx-vp9", "-row-mt", "1", "-cpu-used", "4", "-acodec", "libopus"},
                    .accepts = modernLimits(false), .keepsAllTracks = true, .textSubtitles = s("webvtt"),
                    .hdrPixelFormat = s("yuv420p10le")});
    formats.append({.position = 11, .internalIndex = 13, .cliName = s("mkv-h264"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "MKV(H264 Video)")),
                    .extension = s(".mkv"), .container = s("matroska"), .videoCodec = s("libx264"),
                    .audioCodec = s("aac"), .defaultBitratePosition = k5000,
                    .arguments = {"-vcodec", "libx264", "-acodec", "aac"}, .accepts = modernLimits(true),
                    .keepsAllTracks = true, .textSubtitles = s("srt"), .bitmapSubtitles = true});
    // The container is chosen for each source from its codecs.
    formats.append({.position = 12, .internalIndex = 14, .cliName = s("copy"), .caption = s(QT_TRANSLATE_NOOP("tarnwick::OutputPresets", "Same as Source (Copy)")),
                    .extension = s(".mp4"), .container = s("mp4"), .videoCodec = s("copy"), .audioCodec = s("copy"),
                    .defaultBitratePosition = -1, .arguments = {"-c", "copy"}, .accepts = {}, .takesBitrate = false,
                    .copies = true, .copyContainers = {s("mp4"), s("mov"), s("matroska")},
                    .convertsBy = s("mp4-h264")});
    for (OutputFormat& format : formats)
        addRates(format);
    return formats;
}

template <typename Match>
const OutputFormat* find(Match match)
{
    for (const OutputFormat& format : outputFormats()) {
        if (match(format))
            return &format;
    }
    return nullptr;
}

QList<Container> makeContainers()
{
    const QStringList mp4Video{"h264", "hevc", "mpeg4", "av1", "vp9", "mpeg1video", "mpeg2video"};
    const QStringList mp4Audio{"aac", "mp3", "ac3", "eac3", "opus", "alac", "mp2"};
    const QStringList movVideo{"h264",  "hevc",   "mpeg4", "mpeg1video", "mpeg2video",
                               "mjpeg", "prores", "dnxhd", "qtrle",      "png"};
    const QStringList movAudio{"aac", "mp3", "ac3", "eac3", "alac", "mp2", "pcm_"};
    return {
        {"mp4", ".mp4", mp4Video, mp4Audio, true, false, "mov_text"},
        {"mov", ".mov", movVideo, movAudio, true, false, "mov_text"},
        // Matroska takes nearly every codec, but FFmpeg writes no display
        // rotation into it: a turned phone clip would come out sideways.
        {"matroska", ".mkv", {}, {}, false, true, "copy"},
    };
}

} // namespace

const Container* containerNamed(const QString& muxer)
{
    static const QList<Container> containers = makeContainers();
    for (const Container& container : containers) {
        if (container.muxer == muxer)
            return &container;
    }
    return nullptr;
}

const QStringList& bitrateEntries()
{
    static const QStringList entries{"512", "1000", "1500", "2000", "3000", "5000", "8000", "12000", "15000"};
    return entries;
}

int kilobitsFromText(const QString& text)
{
    constexpr int kMost = 1000000;
    const QString digits = text.trimmed();
    bool ok = !digits.isEmpty() &&
              std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int value = ok ? digits.toInt(&ok) : 0;
    return ok && value > 0 && value <= kMost ? value : 0;
}

QString defaultBitrate(const OutputFormat& format)
{
    return bitrateEntries().value(format.defaultBitratePosition);
}

const QList<OutputFormat>& outputFormats()
{
    static const QList<OutputFormat> formats = makeFormats();
    return formats;
}

QList<int> QualityScale::levels() const
{
    const int low = qMin(best, worst);
    const int high = qMax(best, worst);
    const int step = qMax(1, int(std::lround((high - low) / 12.0)));
    QList<int> levels;
    for (int level = byDefault - (byDefault - low) / step * step; level <= high; level += step)
        levels << level;
    if (higherIsBetter)
        std::reverse(levels.begin(), levels.end());
    return levels;
}

int QualityScale::better(int quality, int steps) const
{
    const int step = qMax(1, int(std::lround((qMax(best, worst) - qMin(best, worst)) / 12.0)));
    const int moved = quality + (higherIsBetter ? steps : -steps) * step;
    return qBound(qMin(best, worst), moved, qMax(best, worst));
}

const OutputFormat* formatAtPosition(int position)
{
    return find([&](const OutputFormat& f) { return position >= 0 && f.position == position; });
}

const OutputFormat* formatForIndex(int internalIndex)
{
    return find([&](const OutputFormat& f) { return internalIndex >= 0 && f.internalIndex == internalIndex; });
}

const OutputFormat* formatNamed(const QString& cliName)
{
    return find([&](const OutputFormat& f) { return f.cliName.compare(cliName, Qt::CaseInsensitive) == 0; });
}

QString formatNameList()
{
    QStringList names;
    for (const OutputFormat& format : outputFormats())
        names << format.cliName;
    return names.join(QStringLiteral(", "));
}

} // namespace tarnwick
