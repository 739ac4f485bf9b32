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

    bool quarterTurned() const { return rotation == 90 || rotation == 270; }
    // Filmed in fields, as the source says of itself.
    bool interlaced() const { return fieldOrder >= FieldOrder::TopFirst; }
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
