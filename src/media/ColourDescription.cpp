#include "media/SourceStreams.h"

#include "base/Text.h"

#include <QRegularExpression>

#include <cmath>

namespace tarnwick {

namespace {

// A chromaticity or a luminance as the description prints it: "0.6800",
// "1000.000000"; -1 when it is not a number within `limit`.
double levelValue(const QString& text, double limit)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0 && value <= limit ? value : -1;
}

} // namespace

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
            video.bitDepth = boundedCount(b.captured(1), 16);
        }
    }
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
        video.maxCll = boundedCount(l.captured(1), 10000);
        video.maxFall = boundedCount(l.captured(2), 10000);
    }
}

} // namespace tarnwick
