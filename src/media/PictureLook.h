#pragma once

#include "media/SourceFit.h"
#include "media/SourceStreams.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnwick {

// A stretch of the source the look decodes, in seconds from its start.
struct LookWindow
{
    double start = 0;
    double length = 0; // 0: from start to the end (a source shorter than a window)
    friend bool operator==(const LookWindow&, const LookWindow&) = default;
};

// What idet counted over one window: its multi-frame verdicts and the
// fields it found repeated from the frame before (3:2 pulldown repeats one
// field in two of every five frames).
struct FieldCounts
{
    int topFirst = 0, bottomFirst = 0, progressive = 0, undetermined = 0;
    int neither = 0, repeatedTop = 0, repeatedBottom = 0;

    int decided() const { return topFirst + bottomFirst + progressive; }
    int interlaced() const { return topFirst + bottomFirst; }
    int repeated() const { return repeatedTop + repeatedBottom; }
    int frames() const { return decided() + undetermined; }
};

// The rows and columns of one frame brighter than black, inclusive, as
// cropdetect gives them (left > right or top > bottom: nothing but black).
struct Extent
{
    int left = 0, right = -1, top = 0, bottom = -1;
    double time = 0; // seconds from the window's first frame
    bool isBlack() const { return left > right || top > bottom; }
};

struct WindowReading
{
    FieldCounts fields;
    QList<Extent> extents; // one a frame, in order
    bool hasFrames() const { return fields.frames() > 0 || !extents.isEmpty(); }
};

enum class FieldLook {
    Unread,       // no window told: the description decides, as without a look
    Progressive,  // whole frames
    Telecined,    // 24 fps film in 30 fps video by 3:2 pulldown
    FilmInFields, // whole frames coded as fields (2:2): weave, never deinterlace
    Interlaced,   // filmed in fields throughout
    Mixed,        // interlaced in some windows, progressive in others
};

// A rectangle of the decoded picture, even in every number.
struct CropArea
{
    int width = 0, height = 0, x = 0, y = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
    QString filter() const; // "crop=w:h:x:y"
    friend bool operator==(const CropArea&, const CropArea&) = default;
};

// What the analysis run does for one source.
struct LookPlan
{
    QList<LookWindow> windows; // empty: nothing to look at, no run
    bool fields = false;       // idet
    bool crop = false;         // cropdetect
    int blackLimit = 24;       // the brightest black, in the source's own sample values
    int bitDepth = 8;
    int streamIndex = 0; // the picture looked at

    bool isEmpty() const { return windows.isEmpty(); }
    // The encoder's arguments: one input per window, each through its own
    // named filters ("idet@w3") so that its lines can be told apart, each
    // to a null output. Seeks land on the key frame before a window's start,
    // so that nothing is decoded only to be thrown away. A line of the
    // picture is black for cropdetect when nearly all its pixels are: a
    // dark picture has a few brighter ones, where its average would be black.
    QStringList arguments(const QString& source) const;
};

// What the look found: a value beside the description that the fit reads.
struct PictureLook
{
    bool ran = false;             // a run was made and its output read
    QList<WindowReading> windows; // one a planned window, in order
    FieldLook fields = FieldLook::Unread;
    CropArea crop;      // empty: the whole picture, or no crop asked
    QStringList unread; // what could not be looked at, for the log

    // The picture's rate once the look's filters made it: film returned
    // from 3:2 pulldown keeps four frames of five.
    double frameRate(const VideoStream& video) const;
};

// Whether a picture could carry fields or pulldown: said so by the source,
// or a television rate (25, 29.97, 30) in a size television sends in
// fields (480, 486, 576 or 1080 lines). 720p, web sizes and other rates
// are not looked at for fields: no disc or broadcast makes them interlaced.
bool mayCarryFields(const VideoStream& video);

// The brightest black: a little above the black of the source's range, in
// its bit depth.
int blackLimit(const VideoStream& video);

// The windows over a source of `duration` seconds, or over the time range
// [rangeStart, rangeStart + rangeLength) when rangeLength > 0: about ten,
// more for a long source, fewer for a short one, together a few hundredths
// of its length. Cropping alone needs only a few frames a window.
QList<LookWindow> lookWindows(double duration, double rangeStart, double rangeLength, bool fields);

// The look a source needs for what it is converted to: nothing for the
// copy, nor for a source with no moving picture.
LookPlan planLook(const SourceStreams& streams, double rangeStart, double rangeLength, bool crop,
                  bool copy);

// Reads the run's output; whatever it holds (cut short, garbage, nothing)
// gives a reading per window, empty where nothing was said.
QList<WindowReading> readWindows(const QString& output, int windowCount);

FieldLook judgeFields(const QList<WindowReading>& windows, const VideoStream& video);

// The picture the samples agree on; empty when there is nothing to crop or
// no agreement. `width` and `height` are the decoded frame's.
CropArea agreeCrop(const QList<WindowReading>& windows, int width, int height);

// The whole reading of a run's output for the plan it followed.
PictureLook readPictureLook(const QString& output, const LookPlan& plan, const VideoStream& video);

// Adds the filters of what the look found, each with its reason: those of
// a verdict on the fields (where the description's deinterlacing is not
// what it needs, the fit leaves that out), then the crop, on whole frames.
void fitPictureLook(SourceFit& fit, const PictureLook& look, const VideoStream& video);

} // namespace tarnwick
