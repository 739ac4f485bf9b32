#include "settings/OutputPresets.h"
#include "media/OutputFormats.h"

#include <array>

namespace tarnwick {

namespace {

struct Preset {
    const char* videoBitrate; // nullptr: left as it is
    const char* frameRate;
    const char* frameSize;
    const char* sampleRate;
    const char* audioBitrate;
    int channel;
};

// By internal format index. Several texts match no entry on purpose: the
// list then has no selection, and the settings file records -1 for it.
const std::array<Preset, 9> kPresets{{
    {"600", "29", "Original Size", "44100", "320", 1},
    {"1200", "29", "Original Size", "44100", "320", 1},
    {"600", "24", "Original Size", "28000", "64", 1},
    {"2600", "24", "Original Size", "28000", "64", 1},
    {"12000", "29", "Original Size", "48000", "320", 1},
    {"12000", "29", "Original Size", "48000", "320", 1},
    {"128", "29", "320x240", "8000", "12.2", 0},
    {"128", "29", "320x240", "8000", "12.2", 0},
    {nullptr, nullptr, nullptr, "48000", "320", 1},
}};

QStringList visibleCaptions()
{
    QStringList captions;
    for (const OutputFormat& format : outputFormats())
        captions << format.caption;
    return captions;
}

// The internal list's nine entries, then one for each format added after
// them, at the index its record gives.
QStringList internalEntries()
{
    QStringList entries{QStringLiteral("RMVB(RealPlayerRMVB)"),  QStringLiteral("RM(RealPlayerRM)"),
                        QStringLiteral("MPG(MPEG2)"),            QString::fromUtf8("AVI(Windows Media Player格式)"),
                        QString::fromUtf8("MP4(高清MPEG4格式)"), QString::fromUtf8("MOV(QuickTime格式)"),
                        QString::fromUtf8("MP4(手机MP4格式)"),   QString::fromUtf8("3GP(手机3GP格式)"),
                        QString::fromUtf8("MP3(纯音频格式)")};
    for (const OutputFormat& format : outputFormats()) {
        if (format.internalIndex >= entries.size()) {
            while (entries.size() < format.internalIndex)
                entries << QString();
            entries << format.caption;
        }
    }
    return entries;
}

void assign(EditableList& list, const char* text)
{
    if (text)
        list.setText(QString::fromUtf8(text));
}

} // namespace

OutputPresets::OutputPresets()
    : visibleFormat(visibleCaptions()),
      bitrate(bitrateEntries()),
      internalFormat(internalEntries()),
      videoBitrate({"40", "80", "120", "128", "256", "384", "512", "600", "640", "768", "800", "900", "1000",
             "1500"}),
      frameRate({"15", "23", "29"}),
      frameSize({"Original Size", "128x96", "160x120", "176x144", "320x180", "320x240", "352x288",
            "640x272", "480x480", "640x360", "640x480", "720x306", "720x320"}),
      sampleRate({"48000", "44100", "32000", "24000", "22050", "16000", "12050", "8000"}),
      audioBitrate({"10.2", "12.2", "32", "48", "56", "64", "80", "96", "112", "128", "192", "224", "256",
             "320"}),
      channels({QString::fromUtf8("单声道"), QString::fromUtf8("双声道")})
{
    visibleFormat.setHandler([this] { SelectOutputFormat(); });
    internalFormat.setHandler([this] { ApplyFormatPreset(); });
}

void OutputPresets::SelectOutputFormat()
{
    const OutputFormat* format = formatAtPosition(visibleFormat.position());
    if (!format)
        return;
    bitrate.select(format->defaultBitratePosition);
    internalFormat.select(format->internalIndex);
    if (formatChosen)
        formatChosen();
}

void OutputPresets::ApplyFormatPreset()
{
    const int position = internalFormat.position();
    if (position < 0 || position >= int(kPresets.size()))
        return;
    const Preset& preset = kPresets[position];
    assign(videoBitrate, preset.videoBitrate);
    assign(frameRate, preset.frameRate);
    assign(frameSize, preset.frameSize);
    assign(sampleRate, preset.sampleRate);
    assign(audioBitrate, preset.audioBitrate);
    channels.select(preset.channel);
}

} // namespace tarnwick
