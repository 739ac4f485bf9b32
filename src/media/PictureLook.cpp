#include "media/PictureLook.h"

#include "base/Text.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

// Windows: together about a fortieth of the source, each long enough for
// idet to see several 3:2 cycles and short enough that about ten of them
// cost a few percent of a conversion. A crop needs a few frames a window.
constexpr int kFewestWindows = 3;
constexpr int kMostWindows = 20;
constexpr double kSampledShare = 0.025;
constexpr double kShortestWindow = 0.5;
constexpr double kLongestWindow = 2.0;
constexpr double kCropWindow = 0.2;
constexpr double kUnknownLength = 2.0;

// Verdicts of a window: shares of the frames idet decided.
constexpr int kFewestDecided = 5;     // fewer: a still scene tells nothing
constexpr double kRepeatedFilm = 0.2; // 3:2 repeats a field in 2 of 5 frames
constexpr double kInterlacedShare = 0.5;
constexpr double kProgressiveShare = 0.2;

// A window's edge holds when this share of its frames lies near the median.
constexpr double kSteadyShare = 0.6;
// A frame lit over less of a side than this is as good as black.
constexpr double kLitShare = 0.4;
// Across windows the widest edge needs this share of them behind it.
constexpr double kBackedShare = 0.25;

const QString kDeinterlace = QStringLiteral("bwdif=mode=send_frame:parity=auto:deint=interlaced");

bool near(double rate, double target)
{
    return std::fabs(rate - target) < 0.01;
}

int numberAfter(const QString& line, QStringView key)
{
    const qsizetype at = line.indexOf(key);
    if (at < 0)
        return 0;
    qsizetype n = at + key.size();
    while (n < line.size() && line[n] == u' ')
        ++n;
    qsizetype end = n;
    while (end < line.size() && (line[end].isDigit() || line[end] == u'-'))
        ++end;
    return line.mid(n, end - n).toInt();
}

double decimalAfter(const QString& line, QStringView key)
{
    const qsizetype at = line.indexOf(key);
    if (at < 0)
        return -1;
    qsizetype end = at + key.size();
    while (end < line.size() && !line[end].isSpace())
        ++end;
    bool ok = false;
    const double value = line.mid(at + key.size(), end - at - key.size()).toDouble(&ok);
    return ok ? value : -1;
}

void readLine(WindowReading& window, const QString& filter, const QString& line)
{
    if (filter == u"idet") {
        FieldCounts& f = window.fields;
        if (line.contains(u"Repeated Fields:")) {
            f.neither += numberAfter(line, u"Neither:");
            f.repeatedTop += numberAfter(line, u"Top:");
            f.repeatedBottom += numberAfter(line, u"Bottom:");
        } else if (line.contains(u"Multi frame detection:")) {
            // The first graph FFmpeg configures says its zero counts too;
            // counts of a graph rebuilt midway add up.
            f.topFirst += numberAfter(line, u"TFF:");
            f.bottomFirst += numberAfter(line, u"BFF:");
            f.progressive += numberAfter(line, u"Progressive:");
            f.undetermined += numberAfter(line, u"Undetermined:");
        }
    } else if (filter == u"cropdetect") {
        if (!line.contains(u" x1:") || !line.contains(u" y2:"))
            return;
        Extent e;
        e.left = numberAfter(line, u"x1:");
        e.right = numberAfter(line, u"x2:");
        e.top = numberAfter(line, u"y1:");
        e.bottom = numberAfter(line, u"y2:");
        e.time = decimalAfter(line, u" t:");
        window.extents << e;
    }
}

template <typename T> T median(QList<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One edge of a window: the median of its frames when most of them lie
// near it; a picture whose edge wanders (a dark scene) gives `border`.
int steadyEdge(const QList<int>& values, int tolerance, int border)
{
    const int middle = median(values);
    const auto close = std::count_if(values.begin(), values.end(),
                                     [&](int v) { return std::abs(v - middle) <= tolerance; });
    return close >= kSteadyShare * values.size() ? middle : border;
}

// Across windows: the widest edge (never into picture), when enough of
// them stand near it; else the frame's border.
int widestEdge(const QList<int>& values, int tolerance, int border, bool lowest)
{
    const int widest = lowest ? *std::min_element(values.begin(), values.end())
                              : *std::max_element(values.begin(), values.end());
    const auto backing = std::count_if(values.begin(), values.end(),
                                       [&](int v) { return std::abs(v - widest) <= tolerance; });
    return backing >= std::max<double>(1, kBackedShare * values.size()) ? widest : border;
}

QString rateName(double rate)
{
    return QString::number(rate, 'f', near(rate, std::round(rate)) ? 0 : 2);
}

} // namespace

QString CropArea::filter() const
{
    return QStringLiteral("crop=%1:%2:%3:%4").arg(width).arg(height).arg(x).arg(y);
}

double PictureLook::frameRate(const VideoStream& video) const
{
    return fields == FieldLook::Telecined ? video.frameRate * 4 / 5 : video.frameRate;
}

bool mayCarryFields(const VideoStream& video)
{
    if (video.interlaced())
        return true;
    const double rate = video.frameRate;
    const bool televisionRate = near(rate, 25) || near(rate, 30000.0 / 1001) || near(rate, 30);
    static const QList<int> fieldHeights{480, 486, 576, 1080, 1088};
    const bool televisionSize = fieldHeights.contains(video.height);
    return televisionRate && televisionSize && !video.attachedPicture;
}

int blackLimit(const VideoStream& video)
{
    const int depth = video.bitDepth > 8 ? video.bitDepth : 8;
    // Limited range's black is 16 (of 255): 8 steps above it; full range's
    // is 0, and 10 steps there are as far above it.
    const int limit = video.range == u"pc" ? 10 : 24;
    return limit << (depth - 8);
}

QList<LookWindow> lookWindows(double duration, double rangeStart, double rangeLength, bool fields)
{
    const double start = rangeLength > 0 ? rangeStart : 0;
    double span = rangeLength > 0 ? rangeLength : duration - start;
    if (rangeLength > 0 && duration > 0)
        span = std::min(span, duration - start);
    if (span <= 0)
        return {LookWindow{start, kUnknownLength}};
    int count = std::clamp(int(std::lround(std::sqrt(span / 6))), kFewestWindows, kMostWindows);
    const double length =
        fields ? std::clamp(kSampledShare * span / count, kShortestWindow, kLongestWindow)
               : kCropWindow;
    if (span <= length * 2)
        return {LookWindow{start, rangeLength > 0 ? span : 0}};
    count = std::min(count, int(span / (length * 2)));
    QList<LookWindow> windows;
    for (int n = 0; n < count; ++n)
        windows << LookWindow{start + span * (n + 0.5) / count - length / 2, length};
    return windows;
}

LookPlan planLook(const SourceStreams& streams, double rangeStart, double rangeLength, bool crop,
                  bool copy)
{
    LookPlan plan;
    const VideoStream* video = streams.mainVideo();
    if (copy || !video)
        return plan;
    plan.fields = mayCarryFields(*video);
    plan.crop = crop;
    if (!plan.fields && !plan.crop)
        return plan;
    plan.blackLimit = blackLimit(*video);
    plan.bitDepth = std::clamp(video->bitDepth, 8, 16);
    plan.streamIndex = video->index;
    plan.windows = lookWindows(streams.duration, rangeStart, rangeLength, plan.fields);
    return plan;
}

QStringList LookPlan::arguments(const QString& source) const
{
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"),
                     QStringLiteral("-nostats")};
    QStringList graph;
    QStringList outputs;
    for (qsizetype n = 0; n < windows.size(); ++n) {
        const LookWindow& w = windows[n];
        args << QStringLiteral("-noaccurate_seek") << QStringLiteral("-an") << QStringLiteral("-sn")
             << QStringLiteral("-dn");
        if (w.start > 0)
            args << QStringLiteral("-ss") << secondsArgument(w.start);
        if (w.length > 0)
            args << QStringLiteral("-t") << secondsArgument(w.length);
        args << QStringLiteral("-i") << source;
        QStringList filters;
        if (fields)
            filters << QStringLiteral("idet@w%1").arg(n);
        if (crop) {
            // Brighter than black in full, 3% of a line such pixels.
            const int full = (256 << (bitDepth - 8)) - 1;
            filters << QStringLiteral("lutyuv=y='gt(val,%1)*%2'").arg(blackLimit).arg(full)
                    << QStringLiteral("cropdetect@w%1=limit=%2:round=2:skip=0:reset=1")
                           .arg(n)
                           .arg(full * 3 / 100);
        }
        graph << QStringLiteral("[%1:%2]%3[w%1]").arg(n).arg(streamIndex).arg(filters.join(u','));
        outputs << QStringLiteral("-map") << QStringLiteral("[w%1]").arg(n) << QStringLiteral("-f")
                << QStringLiteral("null") << QStringLiteral("-");
    }
    return args << QStringLiteral("-filter_complex") << graph.join(u';') << outputs;
}

QList<WindowReading> readWindows(const QString& output, int windowCount)
{
    QList<WindowReading> windows(std::max(0, windowCount));
    static const QRegularExpression named(QStringLiteral("^\\[(idet|cropdetect)@w(\\d+) @ "));
    for (const QString& line : output.split(u'\n')) {
        const QRegularExpressionMatch match = named.match(line);
        if (!match.hasMatch())
            continue;
        const int n = match.captured(2).toInt();
        if (n >= 0 && n < windows.size())
            readLine(windows[n], match.captured(1), line.trimmed());
    }
    return windows;
}

FieldLook judgeFields(const QList<WindowReading>& windows, const VideoStream& video)
{
    int film = 0, interlaced = 0, progressive = 0;
    for (const WindowReading& w : windows) {
        const FieldCounts& f = w.fields;
        if (f.decided() < kFewestDecided)
            continue;
        const int compared = f.neither + f.repeated();
        if (compared > 0 && f.repeated() >= kRepeatedFilm * compared)
            ++film;
        else if (f.interlaced() >= kInterlacedShare * f.decided())
            ++interlaced;
        else if (f.interlaced() <= kProgressiveShare * f.decided())
            ++progressive;
    }
    const int told = film + interlaced + progressive;
    if (told == 0)
        return FieldLook::Unread;
    // 3:2 pulldown only makes NTSC's rates; credits made on video in a
    // telecined film meet the deinterlacer behind the field matcher.
    const bool ntsc = near(video.frameRate, 30000.0 / 1001) || near(video.frameRate, 30);
    if (ntsc && film * 2 >= told)
        return FieldLook::Telecined;
    if (interlaced + film > 0 && progressive > 0)
        return FieldLook::Mixed;
    if (interlaced + film > 0)
        return FieldLook::Interlaced;
    return video.interlaced() ? FieldLook::FilmInFields : FieldLook::Progressive;
}

CropArea agreeCrop(const QList<WindowReading>& windows, int width, int height)
{
    if (width < 4 || height < 4)
        return {};
    const int toleranceX = std::max(4, width / 100);
    const int toleranceY = std::max(4, height / 100);
    QList<int> lefts, rights, tops, bottoms;
    for (const WindowReading& w : windows) {
        QList<int> l, r, t, b;
        for (const Extent& e : w.extents) {
            // Fades, title cards on black, the darkest scenes: what little
            // is lit there says nothing of where the picture ends.
            if (e.isBlack() || (e.right - e.left + 1) < kLitShare * width ||
                (e.bottom - e.top + 1) < kLitShare * height)
                continue;
            l << std::clamp(e.left, 0, width - 1);
            r << std::clamp(e.right, 0, width - 1);
            t << std::clamp(e.top, 0, height - 1);
            b << std::clamp(e.bottom, 0, height - 1);
        }
        if (l.isEmpty())
            continue;
        lefts << steadyEdge(l, toleranceX, 0);
        rights << steadyEdge(r, toleranceX, width - 1);
        tops << steadyEdge(t, toleranceY, 0);
        bottoms << steadyEdge(b, toleranceY, height - 1);
    }
    if (lefts.isEmpty())
        return {};
    // Even numbers, rounded outwards: a line of picture is never cut.
    const int left = widestEdge(lefts, toleranceX, 0, true) & ~1;
    const int top = widestEdge(tops, toleranceY, 0, true) & ~1;
    const int right = std::min(width, (widestEdge(rights, toleranceX, width - 1, false) + 2) & ~1);
    const int bottom =
        std::min(height, (widestEdge(bottoms, toleranceY, height - 1, false) + 2) & ~1);
    const CropArea area{(right - left) & ~1, (bottom - top) & ~1, left, top};
    // A sliver is the encoder's edge, not a bar.
    if (width - area.width < toleranceX && height - area.height < toleranceY)
        return {};
    return area;
}

PictureLook readPictureLook(const QString& output, const LookPlan& plan, const VideoStream& video)
{
    PictureLook look;
    look.ran = true;
    look.windows = readWindows(output, int(plan.windows.size()));
    QStringList missing;
    for (qsizetype n = 0; n < look.windows.size(); ++n) {
        if (!look.windows[n].hasFrames())
            missing << secondsArgument(plan.windows[n].start);
    }
    if (!missing.isEmpty())
        look.unread << QStringLiteral("no pictures could be read in %1 of %2 windows (at %3 s)")
                           .arg(missing.size())
                           .arg(plan.windows.size())
                           .arg(missing.join(QStringLiteral(", ")));
    if (plan.fields) {
        look.fields = judgeFields(look.windows, video);
        if (look.fields == FieldLook::Unread)
            look.unread << QStringLiteral("the fields could not be told: the description decides");
    }
    if (plan.crop) {
        int width = video.width, height = video.height;
        if (video.quarterTurned())
            std::swap(width, height);
        look.crop = agreeCrop(look.windows, width, height);
    }
    return look;
}

void fitPictureLook(SourceFit& fit, const PictureLook& look, const VideoStream& video)
{
    QStringList filters;
    QString reason;
    const QString rate = rateName(video.frameRate);
    switch (look.fields) {
    case FieldLook::Unread:
        break;
    case FieldLook::Progressive:
        break;
    case FieldLook::Telecined:
        filters << QStringLiteral("fieldmatch=order=auto:combmatch=full") << kDeinterlace
                << QStringLiteral("decimate");
        reason =
            QStringLiteral("fieldmatch,decimate: film telecined to %1 fps (3:2), returned to %2")
                .arg(rate,
                     near(video.frameRate, 30) ? QStringLiteral("24") : QStringLiteral("23.976"));
        break;
    case FieldLook::FilmInFields:
        filters << QStringLiteral("fieldmatch=order=auto:combmatch=full") << kDeinterlace;
        reason =
            QStringLiteral("fieldmatch: whole film frames in fields (2:2), woven back at %1 fps, "
                           "not deinterlaced")
                .arg(rate);
        break;
    case FieldLook::Interlaced:
        // Unless the description already has it deinterlaced (DV says
        // nothing of its fields, yet is known to be filmed in them).
        if (!fit.firstFilters.contains(kDeinterlace)) {
            filters << kDeinterlace;
            reason = QStringLiteral(
                "bwdif: the pictures are interlaced, though the source says progressive");
        }
        break;
    case FieldLook::Mixed:
        filters << kDeinterlace;
        reason =
            QStringLiteral("bwdif: interlaced in part, each picture deinterlaced as it is marked");
        break;
    }
    fit.firstFilters << filters;
    if (!reason.isEmpty())
        fit.reasons << reason;
    // On whole frames, after the fields are put together: a crop through
    // fields could swap them.
    if (!look.crop.isEmpty()) {
        fit.firstFilters << look.crop.filter();
        fit.reasons << QStringLiteral("%1: the picture is %2x%3 inside black bars")
                           .arg(look.crop.filter())
                           .arg(look.crop.width)
                           .arg(look.crop.height);
    }
}

} // namespace tarnwick
