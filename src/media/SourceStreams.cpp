#include "media/SourceStreams.h"

#include <QRegularExpression>

#include <cmath>

namespace tarnwick {

namespace {

// Splits "a (x, y), b [c, d], e" at the commas outside brackets.
QStringList topLevelFields(QStringView text)
{
    QStringList fields;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'(' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u']') && depth > 0)
            --depth;
        else if (c == u',' && depth == 0) {
            fields << text.mid(start, i - start).trimmed().toString();
            start = i + 1;
        }
    }
    fields << text.mid(start).trimmed().toString();
    return fields;
}

// "25", "29.97", "1k": FFmpeg's way of printing a rate.
double rateValue(const QString& number, bool thousands)
{
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0 || value > 1e6)
        return 0;
    return thousands ? value * 1000 : value;
}

int boundedInt(const QString& digits, int limit = 1 << 20)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok && value > 0 && value <= limit ? value : 0;
}

int quarterTurns(double degrees)
{
    if (!std::isfinite(degrees) || std::fabs(degrees) > 1e6)
        return 0;
    const long rounded = std::lround(degrees);
    if (rounded % 90 != 0)
        return 0;
    return int(((rounded % 360) + 360) % 360);
}

// "yuv420p(tv, bt709, top first)": the field order is one of the details
// in the brackets after the pixel format.
FieldOrder fieldOrderOf(QStringView field)
{
    static const QList<QPair<QString, FieldOrder>> names{
        {QStringLiteral("progressive"), FieldOrder::Progressive},
        {QStringLiteral("top first"), FieldOrder::TopFirst},
        {QStringLiteral("bottom first"), FieldOrder::BottomFirst},
        {QStringLiteral("top coded first (swapped)"), FieldOrder::TopCodedFirst},
        {QStringLiteral("bottom coded first (swapped)"), FieldOrder::BottomCodedFirst},
    };
    const qsizetype open = field.indexOf(u'(');
    if (open < 0 || !field.endsWith(u')'))
        return FieldOrder::Unknown;
    for (const QString& detail : topLevelFields(field.sliced(open + 1).chopped(1))) {
        for (const auto& [name, order] : names) {
            if (detail == name)
                return order;
        }
    }
    return FieldOrder::Unknown;
}

// Bits a sample from FFmpeg's name of a pixel format: "yuv420p" 8,
// "yuv420p10le" and "p010le" 10, "rgb48le" 16; 0 for a name not known.
int bitsOfPixelFormat(const QString& name)
{
    static const QRegularExpression deep(QStringLiteral("(\\d{1,2})(?:le|be)$"));
    if (const auto m = deep.match(name); m.hasMatch()) {
        const int bits = m.captured(1).toInt();
        if (bits == 9 || bits == 10 || bits == 12 || bits == 14 || bits == 16)
            return bits;
        return name.contains(QLatin1String("48")) || name.contains(QLatin1String("64")) ? 16 : 0;
    }
    return 8;
}

// What FFmpeg writes in brackets after the pixel format: "tv, bt709,
// progressive" (one name when matrix, primaries and transfer share it),
// "pc, bt2020nc/bt2020/smpte2084", "10 bpc, tv, ...".
void readColour(VideoStream& video, QStringView inside)
{
    static const QRegularExpression three(
        QStringLiteral("^([a-z0-9_-]{1,32})/([a-z0-9_-]{1,32})/([a-z0-9_-]{1,32})$"));
    static const QRegularExpression bits(QStringLiteral("^(\\d{1,2}) bpc$"));
    static const QStringList shared{QStringLiteral("bt709"), QStringLiteral("bt470bg"), QStringLiteral("smpte170m"),
                                    QStringLiteral("smpte240m")};
    const auto known = [](const QString& name) { return name == u"unknown" ? QString() : name; };
    for (const QStringView part : inside.split(u',')) {
        const QString word = part.trimmed().toString();
        if (word == u"tv" || word == u"pc")
            video.range = word;
        else if (shared.contains(word))
            video.matrix = video.primaries = video.transfer = word;
        else if (const auto m = three.match(word); m.hasMatch()) {
            video.matrix = known(m.captured(1));
            video.primaries = known(m.captured(2));
            video.transfer = known(m.captured(3));
        } else if (const auto b = bits.match(word); b.hasMatch()) {
            video.bitDepth = boundedInt(b.captured(1), 16);
        }
    }
}

// A chromaticity or a luminance as the description prints it: "0.6800",
// "1000.000000"; -1 when it is not a number within `limit`.
double levelValue(const QString& text, double limit)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0 && value <= limit ? value : -1;
}

// The side data lines below a video stream that say how its picture is to
// be shown: the mastering display, the light levels, Dolby Vision.
void readSideData(VideoStream& video, const QString& line)
{
    static const QRegularExpression dolby(QStringLiteral(
        "^\\s*DOVI configuration record: version: \\d{1,3}\\.\\d{1,3}, profile: (\\d{1,2}), level: (\\d{1,2}), "
        "rpu flag: [01], el flag: [01], bl flag: [01], compatibility id: (\\d{1,2})"));
    static const QString number = QStringLiteral("(\\d{1,5}(?:\\.\\d{1,6})?)");
    static const QRegularExpression mastering(
        QStringLiteral("^\\s*Mastering Display Metadata, has_primaries:([01]) has_luminance:([01]) "
                       "r\\(%1,%1\\) g\\(%1,%1\\) b\\(%1 %1\\) wp\\(%1, %1\\) "
                       "min_luminance=%1, max_luminance=%1")
            .arg(number));
    static const QRegularExpression light(
        QStringLiteral("^\\s*Content Light Level Metadata, MaxCLL=(\\d{1,5}), MaxFALL=(\\d{1,5})"));
    if (const auto m = dolby.match(line); m.hasMatch()) {
        video.dolbyVision.profile = m.captured(1).toInt();
        video.dolbyVision.level = m.captured(2).toInt();
        video.dolbyVision.compatibility = m.captured(3).toInt();
    } else if (const auto d = mastering.match(line); d.hasMatch()) {
        MasteringDisplay display;
        double* const chromaticities[] = {&display.red[0],   &display.red[1],   &display.green[0], &display.green[1],
                                          &display.blue[0],  &display.blue[1],  &display.white[0], &display.white[1]};
        bool inRange = true;
        for (int i = 0; i < 8; ++i)
            inRange = inRange && (*chromaticities[i] = levelValue(d.captured(3 + i), 1)) >= 0;
        display.hasPrimaries = d.captured(1) == u"1" && inRange;
        if (!display.hasPrimaries)
            display.red[0] = display.red[1] = display.green[0] = display.green[1] = display.blue[0] =
                display.blue[1] = display.white[0] = display.white[1] = 0;
        if (d.captured(2) == u"1") {
            display.minLuminance = qMax(0.0, levelValue(d.captured(11), 10000));
            display.maxLuminance = qMax(0.0, levelValue(d.captured(12), 10000));
            if (display.minLuminance >= display.maxLuminance)
                display.minLuminance = display.maxLuminance = 0;
        }
        if (display.hasPrimaries || display.maxLuminance > 0)
            video.mastering = display;
    } else if (const auto l = light.match(line); l.hasMatch()) {
        video.maxCll = boundedInt(l.captured(1), 10000);
        video.maxFall = boundedInt(l.captured(2), 10000);
    }
}

void readVideo(VideoStream& video, const QStringList& fields, const QString& rest)
{
    static const QRegularExpression pixelFormat(QStringLiteral("^([a-z][a-z0-9_]*)(\\(|$)"));
    static const QRegularExpression size(QStringLiteral("^(\\d{1,6})x(\\d{1,6})(?:\\s|$)"));
    static const QRegularExpression aspect(QStringLiteral("SAR (\\d{1,6}):(\\d{1,6}) DAR"));
    static const QRegularExpression rate(QStringLiteral("^(\\d{1,7}(?:\\.\\d{1,6})?)(k?) (fps|tbr)$"));
    double fps = 0;
    double tbr = 0;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const QString& field = fields[i];
        if (i == 1) {
            if (const auto m = pixelFormat.match(field); m.hasMatch()) {
                video.pixelFormat = m.captured(1);
                video.fieldOrder = fieldOrderOf(field);
                video.bitDepth = bitsOfPixelFormat(video.pixelFormat);
                if (!m.captured(2).isEmpty() && field.endsWith(u')'))
                    readColour(video, QStringView(field).sliced(m.capturedEnd(1) + 1).chopped(1));
                continue;
            }
        }
        if (const auto m = size.match(field); m.hasMatch() && video.width == 0) {
            video.width = boundedInt(m.captured(1));
            video.height = boundedInt(m.captured(2));
        }
        if (const auto m = aspect.match(field); m.hasMatch()) {
            const int num = boundedInt(m.captured(1));
            const int den = boundedInt(m.captured(2));
            if (num && den)
                video.sarNum = num, video.sarDen = den;
        }
        if (const auto m = rate.match(field); m.hasMatch()) {
            const double value = rateValue(m.captured(1), !m.captured(2).isEmpty());
            (m.captured(3) == u"fps" ? fps : tbr) = value;
        }
    }
    video.frameRate = tbr > 0 ? tbr : fps;
    video.attachedPicture = rest.contains(QLatin1String("(attached pic)"));
}

void readAudio(AudioStream& audio, const QStringList& fields)
{
    static const QRegularExpression hertz(QStringLiteral("^(\\d{1,7}) Hz$"));
    for (qsizetype i = 1; i < fields.size(); ++i) {
        if (const auto m = hertz.match(fields[i]); m.hasMatch()) {
            audio.sampleRate = boundedInt(m.captured(1), 10'000'000);
            if (i + 1 < fields.size()) {
                audio.layout = fields[i + 1].left(64);
                audio.channels = channelsOfLayout(audio.layout);
            }
            return;
        }
    }
}

} // namespace

int channelsOfLayout(const QString& layout)
{
    static const QRegularExpression counted(QStringLiteral("^(\\d{1,3}) channels?\\b"));
    static const QRegularExpression dotted(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})(?:\\.(\\d{1,2}))?(?:\\(|$)"));
    static const QList<QPair<QString, int>> named{
        {QStringLiteral("mono"), 1},      {QStringLiteral("stereo"), 2},    {QStringLiteral("downmix"), 2},
        {QStringLiteral("quad"), 4},      {QStringLiteral("hexagonal"), 6}, {QStringLiteral("octagonal"), 8},
        {QStringLiteral("cube"), 8},      {QStringLiteral("hexadecagonal"), 16},
    };
    const QString text = layout.trimmed();
    if (const auto m = counted.match(text); m.hasMatch())
        return boundedInt(m.captured(1), 512);
    if (const auto m = dotted.match(text); m.hasMatch())
        return m.captured(1).toInt() + m.captured(2).toInt() + m.captured(3).toInt();
    for (const auto& [name, channels] : named) {
        if (text == name || text.startsWith(name + u'('))
            return channels;
    }
    return 0;
}

SourceStreams scanDescription(const QString& text, const QString& source)
{
    static const QRegularExpression lineEnds(QStringLiteral("[\r\n]"));
    static const QRegularExpression input(QStringLiteral("^Input #0, .*from '"));
    static const QRegularExpression stream(
        QStringLiteral("^\\s*Stream #0:(\\d{1,5})(?:\\[[^\\]]*\\])?(?:\\([^)]*\\))?: ([A-Za-z]+): (.*)$"));
    static const QRegularExpression matrix(QStringLiteral("^\\s*displaymatrix: rotation of (-?\\d{1,9}(?:\\.\\d*)?) degrees"));
    static const QRegularExpression rotateKey(QStringLiteral("^\\s*rotate\\s*: (-?\\d{1,9})\\s*$"));
    static const QRegularExpression length(
        QStringLiteral("^\\s*Duration: (\\d{1,6}):(\\d{1,2}):(\\d{1,2}(?:\\.\\d{1,9})?),"));
    SourceStreams streams;
    VideoStream* lastVideo = nullptr;
    const QString openPrefix = source.isEmpty() ? QString() : source + QStringLiteral(": ");
    for (const QString& line : text.split(lineEnds, Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("Output #")) || line.startsWith(QLatin1String("Input #1")))
            break;
        if (!streams.described) {
            if (input.match(line).hasMatch())
                streams.described = true;
            else if (!openPrefix.isEmpty() && line.startsWith(openPrefix))
                streams.openError = line.trimmed();
            continue;
        }
        if (const auto m = length.match(line); m.hasMatch()) {
            streams.seconds = m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 + m.captured(3).toDouble();
            continue;
        }
        if (const auto m = stream.match(line); m.hasMatch()) {
            const QString kind = m.captured(2);
            const QString rest = m.captured(3);
            const QStringList fields = topLevelFields(rest);
            const QString codec = fields.value(0).section(u' ', 0, 0);
            streams.kinds << kind;
            lastVideo = nullptr;
            if (kind == u"Video") {
                VideoStream video;
                video.index = m.captured(1).toInt();
                video.codec = codec;
                readVideo(video, fields, rest);
                streams.video << video;
                lastVideo = &streams.video.last();
            } else if (kind == u"Audio") {
                AudioStream audio;
                audio.index = m.captured(1).toInt();
                audio.codec = codec;
                readAudio(audio, fields);
                streams.audio << audio;
            } else if (kind == u"Subtitle") {
                streams.subtitles << SubtitleStream{m.captured(1).toInt(), codec};
            }
            continue;
        }
        if (!lastVideo)
            continue;
        if (const auto m = matrix.match(line); m.hasMatch())
            lastVideo->rotation = quarterTurns(m.captured(1).toDouble());
        else if (const auto r = rotateKey.match(line); r.hasMatch())
            lastVideo->rotation = quarterTurns(r.captured(1).toDouble());
        else
            readSideData(*lastVideo, line);
    }
    return streams;
}

bool SubtitleStream::isText() const
{
    static const QStringList text{QStringLiteral("subrip"), QStringLiteral("srt"),      QStringLiteral("ass"),
                                  QStringLiteral("ssa"),    QStringLiteral("mov_text"), QStringLiteral("webvtt"),
                                  QStringLiteral("text"),   QStringLiteral("microdvd"), QStringLiteral("subviewer"),
                                  QStringLiteral("sami"),   QStringLiteral("realtext"), QStringLiteral("stl")};
    return text.contains(codec);
}

bool SubtitleStream::isBitmap() const
{
    static const QStringList bitmap{QStringLiteral("dvd_subtitle"), QStringLiteral("hdmv_pgs_subtitle"),
                                    QStringLiteral("dvb_subtitle"), QStringLiteral("xsub")};
    return bitmap.contains(codec);
}

QString VideoStream::hdrTransfer() const
{
    static const QString pq = QStringLiteral("smpte2084");
    static const QString hlg = QStringLiteral("arib-std-b67");
    if (transfer == pq || transfer == hlg)
        return transfer;
    // A Dolby Vision file may leave its base layer's transfer unsaid.
    if (transfer.isEmpty() && dolbyVision.isDeclared()) {
        if (dolbyVision.compatibility == 1 || dolbyVision.compatibility == 6)
            return pq;
        if (dolbyVision.compatibility == 4)
            return hlg;
    }
    return {};
}

const VideoStream* SourceStreams::mainVideo() const
{
    const VideoStream* best = nullptr;
    for (const VideoStream& stream : video) {
        if (stream.attachedPicture)
            continue;
        if (!best || qint64(stream.width) * stream.height > qint64(best->width) * best->height)
            best = &stream;
    }
    return best;
}

const AudioStream* SourceStreams::mainAudio() const
{
    const AudioStream* best = nullptr;
    for (const AudioStream& stream : audio) {
        if (!best || stream.channels > best->channels)
            best = &stream;
    }
    return best;
}

QString unconvertibleReason(const SourceStreams& streams)
{
    if (!streams.described) {
        if (streams.openError.isEmpty())
            return {};
        // A file that is gone or shut to us says so best in the system's words.
        if (streams.openError.endsWith(QLatin1String("No such file or directory")) ||
            streams.openError.endsWith(QLatin1String("Permission denied")))
            return streams.openError;
        return QStringLiteral("not a video file FFmpeg can read");
    }
    if (streams.kinds.isEmpty())
        return {};
    const VideoStream* video = streams.mainVideo();
    if (!video)
        return QStringLiteral("no video stream");
    if (video->codec == u"none")
        return QStringLiteral("its video is in a codec FFmpeg cannot decode");
    return {};
}

} // namespace tarnwick
