#pragma once

#include <QList>
#include <QString>

namespace tarnwick {

// How a picture's two fields were filmed, in FFmpeg's words after the pixel
// format. "Swapped" is FFmpeg's mark for a field order stored by a
// container rather than the codec; FFmpeg itself writes top-first video so.
enum class FieldOrder {
    Unknown,          // not said
    Progressive,      // "progressive": whole frames
    TopFirst,         // "top first"
    BottomFirst,      // "bottom first"
    TopCodedFirst,    // "top coded first (swapped)"
    BottomCodedFirst, // "bottom coded first (swapped)"
};

// The display a picture was graded on, as the source declares it: the
// chromaticities of its red, green, blue and white (CIE 1931 x, y) and its
// luminance range in candelas per square metre.
struct MasteringDisplay {
    bool hasPrimaries = false;
    double red[2] = {}, green[2] = {}, blue[2] = {}, white[2] = {};
    double minLuminance = 0;
    double maxLuminance = 0;   // 0: not declared

    bool isKnown() const { return hasPrimaries && maxLuminance > 0; }
    friend bool operator==(const MasteringDisplay&, const MasteringDisplay&) = default;
};

// A Dolby Vision configuration record: what the Dolby Vision layer needs
// and which picture lies beneath it for players without it.
struct DolbyVision {
    int profile = -1;          // -1: the source declares none
    int level = 0;
    int compatibility = -1;    // the base layer: 0 none other players show, 1 HDR10, 2 SDR, 4 HLG, 6 Blu-ray HDR10

    bool isDeclared() const { return profile >= 0; }
    // Only a Dolby Vision player shows its colours: profile 5, and any
    // other without a base layer for other players. Profile 8 always has one.
    bool needsDolbyPlayer() const { return profile == 5 || (isDeclared() && compatibility == 0 && profile != 8); }
    friend bool operator==(const DolbyVision&, const DolbyVision&) = default;
};

struct VideoStream {
    int index = -1;            // the stream's number in the file
    QString codec;             // "none" when FFmpeg has no decoder for it
    QString pixelFormat;       // as FFmpeg names it ("yuv420p10le"); empty when not given
    int width = 0;
    int height = 0;
    int sarNum = 1;            // sample aspect
    int sarDen = 1;
    double frameRate = 0;      // the rate FFmpeg encodes by (its "tbr"), else the average
    int rotation = 0;          // display rotation in degrees, 0, 90, 180 or 270
    bool attachedPicture = false; // a cover image, not a picture that moves
    FieldOrder fieldOrder = FieldOrder::Unknown;

    // Colour as FFmpeg names it ("yuv420p10le(tv, bt2020nc/bt2020/arib-std-b67)");
    // empty when the description does not say.
    QString range = {};        // "tv" or "pc"
    QString matrix = {};       // "bt2020nc", "bt709", ...
    QString primaries = {};    // "bt2020", "bt709", ...
    QString transfer = {};     // "smpte2084" (PQ), "arib-std-b67" (HLG), "bt709", ...
    int bitDepth = 0;          // bits a sample, from the pixel format; 0 when not known
    MasteringDisplay mastering = {};
    int maxCll = 0;            // the brightest pixel, cd/m²; 0 when not declared
    int maxFall = 0;           // the brightest frame's average
    DolbyVision dolbyVision = {};

    bool quarterTurned() const { return rotation == 90 || rotation == 270; }
    // Filmed in fields, as the source says of itself.
    bool interlaced() const { return fieldOrder >= FieldOrder::TopFirst; }
    // "smpte2084" or "arib-std-b67" for a picture in high dynamic range: by
    // its transfer, or by the base layer its Dolby Vision record names when
    // the transfer is not given; empty for any other picture.
    QString hdrTransfer() const;
};

struct AudioStream {
    int index = -1;
    QString codec;
    int channels = 0;          // 0 when the layout is not known
    int sampleRate = 0;        // 0 when not given
    QString layout;            // as FFmpeg names it ("5.1(side)"); empty when not given
};

struct SubtitleStream {
    int index = -1;
    QString codec;
    bool isText() const;       // a text the containers of the web and MP4 can carry
    bool isBitmap() const;     // pictures, as DVDs and Blu-ray discs carry them
};

// What a source holds, read from the description the encoder prints for
// "-i <file>". The text is FFmpeg's and may be anything; what cannot be read
// is left at its empty value, never guessed.
struct SourceStreams {
    bool described = false;    // the encoder opened the input and described it
    QString openError;         // why it could not open it, when it said so
    QList<VideoStream> video;
    QList<AudioStream> audio;
    QList<SubtitleStream> subtitles;
    QStringList kinds;         // "Video", "Audio", "Subtitle", "Data", ... in file order
    double seconds = 0;        // how long it lasts, to the hundredth; 0 when not said

    // The streams FFmpeg picks when no stream is named: the largest moving
    // picture, the audio with the most channels (the first of equals).
    const VideoStream* mainVideo() const;
    const AudioStream* mainAudio() const;
};

// Reads the description. `source` is the path the probe named: FFmpeg
// starts its reason for not opening an input with it.
SourceStreams scanDescription(const QString& text, const QString& source = QString());

// The number of channels a layout name stands for ("5.1(side)" 6, "stereo"
// 2, "3 channels" 3); 0 when not known.
int channelsOfLayout(const QString& layout);

// Why a described source cannot be converted at all, in words a user
// understands; empty when it can be tried, and for a description that
// cannot be read.
QString unconvertibleReason(const SourceStreams& streams);

} // namespace tarnwick
