#include "media/HdrFit.h"

#include <QHash>
#include <QStringList>

namespace tarnwick {

namespace {

const QString kHlg = QStringLiteral("arib-std-b67");

// SDR white in an HDR picture: where a graded SDR picture's white lands
// when it is mastered into HLG or PQ (ITU-R BT.2408).
constexpr double kSdrWhite = 203;
// HLG's pictures are made for a 1000 nit display.
constexpr int kHlgPeak = 1000;
// Below this share of SDR white the tone curve is a straight line: skin,
// faces and most of a picture keep their brightness.
constexpr double kKnee = 0.75;
// The linear light is held in 16 bits: a brighter peak would leave too few
// steps for the shadows; what is brighter still is clipped.
constexpr int kLowestPeak = 400;
constexpr int kHighestPeak = 4000;

QString oneOf(const QString& name, const QStringList& allowed)
{
    return allowed.contains(name) ? name : allowed.first();
}

// The names FFmpeg and zscale both take, the usual one first.
QString primariesOf(const VideoStream& video)
{
    return oneOf(video.primaries, {QStringLiteral("bt2020"), QStringLiteral("smpte432"), QStringLiteral("smpte431"),
                                   QStringLiteral("bt709")});
}

QString matrixOf(const VideoStream& video)
{
    return oneOf(video.matrix, {QStringLiteral("bt2020nc"), QStringLiteral("bt2020c"), QStringLiteral("bt709")});
}

QString transferName(const QString& transfer)
{
    return transfer == kHlg ? QStringLiteral("HLG") : QStringLiteral("PQ");
}

// What a Dolby Vision source loses in any conversion.
QString dolbyNote(const VideoStream& video)
{
    if (!video.dolbyVision.isDeclared())
        return {};
    return QStringLiteral("; from the base layer of its Dolby Vision profile %1, the Dolby Vision layer left out "
                          "(no encoder here writes one)")
        .arg(video.dolbyVision.profile);
}

QString primariesName(const QString& primaries)
{
    static const QHash<QString, QString> names{{QStringLiteral("bt2020"), QStringLiteral("BT.2020")},
                                               {QStringLiteral("bt709"), QStringLiteral("BT.709")},
                                               {QStringLiteral("smpte432"), QStringLiteral("Display P3")},
                                               {QStringLiteral("smpte431"), QStringLiteral("DCI-P3")}};
    return names.value(primaries, primaries);
}

QString decimal(double value, int places)
{
    return QString::number(value, 'f', places);
}

// The mastering display and light levels in the words of the encoder's own
// options; empty for an encoder that takes none, or nothing declared.
QStringList masteringOptions(const VideoStream& video, const QString& encoder)
{
    const MasteringDisplay& display = video.mastering;
    QStringList params;
    if (encoder == u"libx265") {
        // Chromaticities in steps of 0.00002, luminance in 0.0001 cd/m².
        const auto xy = [](const double* c) {
            return QStringLiteral("(%1,%2)").arg(qRound(c[0] * 50000)).arg(qRound(c[1] * 50000));
        };
        if (display.isKnown())
            params << QStringLiteral("master-display=G%1B%2R%3WP%4L(%5,%6)")
                          .arg(xy(display.green), xy(display.blue), xy(display.red), xy(display.white))
                          .arg(qRound64(display.maxLuminance * 10000))
                          .arg(qRound64(display.minLuminance * 10000));
        if (video.maxCll > 0)
            params << QStringLiteral("max-cll=%1,%2").arg(video.maxCll).arg(video.maxFall);
        return params.isEmpty() ? QStringList() : QStringList{QStringLiteral("-x265-params"), params.join(u':')};
    }
    if (encoder == u"libsvtav1") {
        const auto xy = [](const double* c) {
            return QStringLiteral("(%1,%2)").arg(decimal(c[0], 4), decimal(c[1], 4));
        };
        if (display.isKnown())
            params << QStringLiteral("mastering-display=G%1B%2R%3WP%4L(%5,%6)")
                          .arg(xy(display.green), xy(display.blue), xy(display.red), xy(display.white),
                               decimal(display.maxLuminance, 4), decimal(display.minLuminance, 4));
        if (video.maxCll > 0)
            params << QStringLiteral("content-light=%1,%2").arg(video.maxCll).arg(video.maxFall);
        return params.isEmpty() ? QStringList() : QStringList{QStringLiteral("-svtav1-params"), params.join(u':')};
    }
    return {};
}

} // namespace

bool keepsHighDynamicRange(const VideoStream& video, const OutputFormat& format, bool hdrToSdr)
{
    return !hdrToSdr && !format.hdrPixelFormat.isEmpty() && !video.hdrTransfer().isEmpty();
}

int toneMapPeak(const VideoStream& video)
{
    if (video.hdrTransfer() == kHlg)
        return kHlgPeak;
    // PQ is absolute: the brightest pixel as declared, else the mastering
    // display's peak, else what most HDR10 is graded for.
    double peak = video.maxCll > 0 ? video.maxCll : video.mastering.maxLuminance;
    if (peak <= 0)
        peak = 1000;
    return qBound(kLowestPeak, qRound(peak), kHighestPeak);
}

QString toneMapFilter(const VideoStream& video)
{
    const int peak = toneMapPeak(video);
    // zscale gives linear light where 1 is the peak; the curve is reckoned
    // in shares of SDR white: a straight line to the knee, then a roll-off
    // that reaches white at the peak with no bend at the knee. Each channel
    // alone keeps its colour's saturation; the power is BT.1886's display
    // gamma undone, so that the SDR screen shows the same light.
    const double peakInWhites = peak / kSdrWhite;
    const double bend = 1 / (1 - kKnee) - 1 / (peakInWhites - kKnee);
    const QString knee = decimal(kKnee, 2);
    const QString curve = QStringLiteral("st(0,val/maxval*%1);maxval*pow(if(lte(ld(0),%2),ld(0),%2+(ld(0)-%2)/"
                                         "(1+(ld(0)-%2)*%3)),1/2.4)")
                              .arg(decimal(peakInWhites, 4), knee, decimal(bend, 4));
    const QString range = video.range.isEmpty() ? QStringLiteral("tv") : video.range;
    return QStringLiteral("zscale=tin=%1:pin=%2:min=%3:rin=%4:t=linear:p=bt709:m=gbr:npl=%5,format=gbrp16le,"
                          "lutrgb=r='%6':g='%6':b='%6',scale=out_color_matrix=bt709:out_range=tv,format=yuv420p")
        .arg(video.hdrTransfer(), primariesOf(video), matrixOf(video), range)
        .arg(peak)
        .arg(curve);
}

void fitDynamicRange(SourceFit& fit, const VideoStream& video, const OutputFormat& format, bool hdrToSdr)
{
    const QString transfer = video.hdrTransfer();
    if (transfer.isEmpty())
        return;
    if (keepsHighDynamicRange(video, format, hdrToSdr)) {
        fit.options << QStringLiteral("-pix_fmt") << format.hdrPixelFormat << QStringLiteral("-color_primaries")
                    << primariesOf(video) << QStringLiteral("-color_trc") << transfer
                    << QStringLiteral("-colorspace") << matrixOf(video);
        fit.reasons << QStringLiteral("-pix_fmt %1 -color_trc %2: the source's %3 pictures kept in high dynamic "
                                      "range, 10-bit with their %4 colours%5")
                           .arg(format.hdrPixelFormat, transfer, transferName(transfer),
                                primariesName(primariesOf(video)), dolbyNote(video));
        if (const QStringList mastering = masteringOptions(video, format.videoCodec); !mastering.isEmpty()) {
            fit.options << mastering;
            fit.reasons << QStringLiteral("%1: the source's mastering display and light levels kept")
                               .arg(mastering.first());
        }
        return;
    }
    fit.filters << toneMapFilter(video);
    fit.unlinkedPicture = video.index;
    fit.options << QStringLiteral("-color_primaries") << QStringLiteral("bt709") << QStringLiteral("-color_trc")
                << QStringLiteral("bt709") << QStringLiteral("-colorspace") << QStringLiteral("bt709");
    fit.reasons << QStringLiteral("tone map %1 to BT.709 SDR, peak %2 nits: %3%4")
                       .arg(transferName(transfer))
                       .arg(toneMapPeak(video))
                       .arg(format.hdrPixelFormat.isEmpty()
                                ? QStringLiteral("this format's video is 8-bit, where HDR pictures look grey and flat")
                                : QStringLiteral("HDR to SDR is chosen"),
                            dolbyNote(video));
    fit.reasons << QStringLiteral("-filter_complex: the picture made apart from the source's stream, so that no "
                                  "mastering display, light level or Dolby Vision record of the HDR source is left "
                                  "on the SDR output");
}

} // namespace tarnwick
