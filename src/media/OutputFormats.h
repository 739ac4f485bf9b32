#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnwick {

// A frame rate as the encoder takes it after "-r": a whole number or a
// fraction such as 30000/1001.
struct FrameRate {
    int num = 0;
    int den = 1;
    double value() const { return den ? double(num) / den : 0.0; }
    QString text() const { return den == 1 ? QString::number(num) : QStringLiteral("%1/%2").arg(num).arg(den); }
};

// What a format's encoders take, and what the players of the format take.
// A source outside these bounds gets the options that bring it inside.
struct CodecLimits {
    QStringList pixelFormats;       // empty: the encoder's own conversion suffices
    bool evenSize = false;          // the chroma of its pixel format needs even sides
    int maxSide = 0;                // 0: no limit
    QList<FrameRate> frameRates;    // empty: any
    int minSide = 0;                // 0: no limit
    int maxChannels = 0;            // 0: any
    QList<int> sampleRates;         // empty: the encoder resamples by itself
    QStringList refusedLayouts;     // channel layouts its audio encoder refuses, remapped to the plain one
};

// A format's constant quality, on its encoder's own scale: x264's, x265's,
// SVT-AV1's and VP9's constant rate factor, the MPEG quantiser.
struct QualityScale {
    QString option;            // "-crf", "-q:v"; empty: the format encodes nothing
    QString name;              // how people know the scale: "CRF", "quantiser"
    int best = 0;
    int worst = 0;
    int byDefault = 0;         // looks good on a phone's clip
    bool higherIsBetter = false;
    QStringList alongside = {}; // what the scale needs beside its number: VP9 takes it only without a bitrate

    bool isKnown() const { return !option.isEmpty(); }
    bool takes(int quality) const { return quality >= qMin(best, worst) && quality <= qMax(best, worst); }
    // The quality asked for where the scale has it, else the scale's own.
    int orDefault(int quality) const { return takes(quality) ? quality : byDefault; }
    // What the window offers, the best first: the default and steps around it.
    QList<int> levels() const;
    // The next level `steps` steps better (negative: worse), held within the scale.
    int better(int quality, int steps) const;
};

// How a format's encoder takes two passes over the picture, the first
// learning where the bits are needed.
enum class Passes {
    One,     // a single pass only
    FFmpeg,  // FFmpeg's -pass and -passlogfile
    X265,    // x265's own pass and stats parameters
};

// MP4 or QuickTime inside, whatever the extension: an index at the front
// makes it play as it arrives.
inline bool isMp4FamilyMuxer(QStringView muxer)
{
    return muxer == u"mp4" || muxer == u"mov";
}

// One output format: everything the window, the command line, the presets
// and the command builder know of it.
struct OutputFormat {
    int position = -1;       // in the visible Output Format list
    int internalIndex = -1;  // in the hidden internal list, as setup.ini records it
    QString cliName;         // tarnwick-cli's -f name
    QString caption;         // the visible list's text
    QString extension;       // with its dot
    QString container;       // the FFmpeg muxer that writes the file
    QString videoCodec;      // the FFmpeg encoders it uses
    QString audioCodec;
    int defaultBitratePosition = -1; // in the bitrate list
    QStringList arguments;   // the format's own options; the rate follows them
    CodecLimits accepts;
    bool takesBitrate = true;    // false: nothing is encoded, so no bitrate follows the option text
    bool copies = false;         // streams copied as they are, into a container chosen for them
    bool keepsAllTracks = false; // every audio track and the subtitles its container takes
    QString textSubtitles = {};  // the codec text subtitles become; empty: dropped
    bool bitmapSubtitles = false; // disc subtitles kept as pictures
    QString hdrPixelFormat = {};  // HLG and PQ pictures kept in it, 10-bit; empty: 8-bit video, HDR is tone-mapped
    QStringList copyContainers = {}; // a copy's containers (muxers), the first that keeps the source's streams
    QString convertsBy = {};         // a copy no container keeps converts by this format (its -f name)

    QualityScale quality = {};    // its constant quality
    Passes passes = Passes::One;  // aiming at a size
    int audioKilobits = 0;        // each sound track's rate when aiming at a size
    double leastBitsPerPixel = 0; // below it a picture is not worth watching, however small the file
    QStringList sizeOptions = {}; // what its rate control needs to fill a generous size

    bool isMp4Family() const { return isMp4FamilyMuxer(container); }
    // A copy re-encodes nothing, so what the user asks of the picture (a
    // rate, a rotation, a crop, a tone map) cannot be kept: the window greys
    // those choices, the command line refuses them and the job drops them.
    bool takesPictureChoices() const { return !copies; }
};

// A container as a copy fills it: what its players take as it is, by
// FFmpeg's codec names. FFmpeg's muxers take more (Vorbis in MP4, FFV1 in
// QuickTime), but a copy is made to play.
struct Container {
    QString muxer;           // as OutputFormat::container
    QString extension;       // with its dot
    QStringList video;       // empty: every codec
    QStringList audio;       // empty: every codec; "pcm_" stands for every PCM
    bool keepsRotation = true;
    bool bitmapSubtitles = false;
    QString textSubtitles;   // what text subtitles become; "copy": as they are

    bool isMp4Family() const { return isMp4FamilyMuxer(muxer); }
    bool takesVideo(const QString& codec) const { return video.isEmpty() || video.contains(codec); }
    bool takesAudio(const QString& codec) const
    {
        return audio.isEmpty() || audio.contains(codec) ||
               (audio.contains(QStringLiteral("pcm_")) && codec.startsWith(QLatin1String("pcm_")));
    }
};
// nullptr for a muxer no copy writes.
const Container* containerNamed(const QString& muxer);

// The bitrate list's entries, kilobits per second.
const QStringList& bitrateEntries();
// A bitrate as typed: a whole number of kilobits per second, blanks around
// it allowed; 0 for any other text, which then stands for the format's own.
int kilobitsFromText(const QString& text);
// The bitrate a format starts with; empty for one that takes none.
QString defaultBitrate(const OutputFormat& format);

// Every format, in the order of the visible list.
const QList<OutputFormat>& outputFormats();
// nullptr when no format has that position, index or name.
const OutputFormat* formatAtPosition(int position);
const OutputFormat* formatForIndex(int internalIndex);
const OutputFormat* formatNamed(const QString& cliName);
// The -f names, comma separated, in list order.
QString formatNameList();

} // namespace tarnwick
