#include "conversion/OutputFormats.h"

namespace tarnwick {

namespace {

// Positions in the bitrate list.
constexpr int k1000 = 1;
constexpr int k1500 = 2;
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

QList<OutputFormat> makeFormats()
{
    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    QList<OutputFormat> formats;
    // position, internal index, -f name, caption, extension, muxer, video, audio, bitrate, option, limits
    formats.append({0, 4, s("mp4"), s("MP4(High Quality MPEG4 Video)"), s(".mp4"), s("mp4"), s("mpeg4"), s("aac"),
                    k5000, s(" -vcodec mpeg4 -vb "), mpeg4Limits()});
    formats.append({1, 2, s("mp4-h264"), s("MP4(H264 Video)"), s(".mp4"), s("mp4"), s("libx264"), s("aac"), k5000,
                    s(" -vcodec h264 -vb "), h264Limits()});
    formats.append({2, 3, s("avi"), s("AVI(Standard MPEG4 Video)"), s(".avi"), s("avi"), s("mpeg4"),
                    s("libmp3lame"), k5000, s(" -vb "), {}});
    formats.append({3, 5, s("mov"), s("MOV(Apple/QuickTime Video)"), s(".mov"), s("mov"), s("libx264"), s("aac"),
                    k5000, s(" -vb "), h264Limits()});
    // Written as MP4 inside, whatever the extension says.
    formats.append({4, 0, s("flv"), s("FLV(Flash Video)"), s(".flv"), s("mp4"), s("libx264"), s("aac"), k1000,
                    s(" -f mp4 -vb "), h264Limits()});
    formats.append({5, 6, s("wmv"), s("WMV(Windows Media Video)"), s(".wmv"), s("asf"), s("msmpeg4"), s("wmav2"),
                    k3000, s(" -vb "), wmvLimits()});
    formats.append({6, 7, s("mpg"), s("MPG(MPEG1 Video)"), s(".mpg"), s("mpeg"), s("mpeg1video"), s("mp2"), k1500,
                    s(" -vcodec mpeg1video -vb "), mpeg1Limits()});
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

} // namespace

const QList<OutputFormat>& outputFormats()
{
    static const QList<OutputFormat> formats = makeFormats();
    return formats;
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
