// What a source holds, read from FFmpeg's real descriptions of sources made
// the way phones, cameras, screen recorders, discs and downloads make them,
// and what each format then adds to the command.
#include "job/ConversionJob.h"
#include "job/EncoderCommand.h"
#include "media/HdrFit.h"
#include "media/Rotation.h"
#include "media/SourceFitRules.h"

#include <QFile>
#include <QRect>
#include <QTest>

using namespace tarnwick;

namespace {

QString description(const QString& name)
{
    QFile file(QStringLiteral(TARNWICK_TEST_DATA "/descriptions/") + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing description %s", qPrintable(name));
    return QString::fromUtf8(file.readAll());
}

// The fit as the command shows it: the filters, then the options.
QString added(const QString& name, const QString& format, RotationChoice rotationChoice = RotationChoice::None,
              const PictureLook& look = {})
{
    const SourceStreams streams = scanDescription(description(name));
    const SourceFit fit = fitSource(streams, *formatNamed(format), Rotation::filtersFor(rotationChoice, "0"), false, look);
    QStringList words;
    if (!fit.firstFilters.isEmpty() || !fit.filters.isEmpty())
        words << "-vf" << (fit.firstFilters + fit.filters).join(u',');
    return (words + fit.options).join(u' ');
}

// The "-vf" chain as a job with these filters and this turn shows it.
QString chainText(const QStringList& first, const QStringList& turn, const QStringList& after)
{
    SourceFit fit;
    fit.firstFilters = first;
    fit.filters = after;
    const QString text = conversionCommand("/p", "/i", *formatNamed("avi"), 5000, RotationFilters{turn}, "/o", fit).text();
    const qsizetype from = text.indexOf("5000k ") + 6;
    return text.mid(from, text.lastIndexOf(" \"/o\"") - from).trimmed();
}

const QString kEven = QStringLiteral("-vf scale=trunc(iw/2)*2:trunc(ih/2)*2");
const QString kDeinterlace = QStringLiteral("bwdif=mode=send_frame:parity=auto:deint=interlaced");

} // namespace

Q_DECLARE_METATYPE(tarnwick::FieldOrder)
Q_DECLARE_METATYPE(tarnwick::FieldLook)

class tst_SourceFit : public QObject
{
    Q_OBJECT

private slots:
    void scansRealDescriptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pixelFormat");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("sampleRate");
        QTest::addColumn<QString>("kinds");
        QTest::newRow("phone H.264") << "h264-420" << "yuv420p" << QSize(320, 240) << 25.0 << 0 << 1 << 44100
                                     << "Video Audio";
        QTest::newRow("camcorder 4:2:2 10-bit") << "h264-422-10bit-pcm" << "yuv422p10le" << QSize(320, 240) << 29.97
                                                << 0 << 1 << 48000 << "Video Audio";
        QTest::newRow("screen 4:4:4 odd") << "h264-444-odd" << "yuv444p" << QSize(321, 241) << 30.0 << 0 << 0 << 0
                                          << "Video";
        QTest::newRow("HEVC display matrix") << "hevc10-displaymatrix" << "yuv420p10le" << QSize(320, 180) << 30.0
                                             << 90 << 1 << 48000 << "Video Audio";
        QTest::newRow("MJPEG camera") << "mjpeg-pcm-15fps" << "yuvj422p" << QSize(320, 240) << 15.0 << 0 << 1
                                      << 16000 << "Video Audio";
        QTest::newRow("WebM download") << "vp9-opus" << "yuv420p" << QSize(320, 240) << 30.0 << 0 << 1 << 48000
                                       << "Video Audio";
        QTest::newRow("DVD title") << "mpeg2-ac3-51" << "yuv420p" << QSize(720, 480) << 29.97 << 0 << 6 << 48000
                                   << "Data Video Audio";
        QTest::newRow("Blu-ray stream") << "m2ts-ac3-51side" << "yuv420p" << QSize(1280, 720) << 23.98 << 0 << 6
                                        << 44100 << "Video Audio";
        QTest::newRow("variable rate: the rate FFmpeg encodes by")
            << "vfr" << "yuv420p" << QSize(320, 240) << 30.0 << 0 << 1 << 44100 << "Video Audio";
        QTest::newRow("tracks and subtitles") << "two-audio-srt" << "yuv420p" << QSize(320, 240) << 25.0 << 0 << 1
                                              << 44100 << "Video Audio Audio Subtitle";
        QTest::newRow("7.1 sound") << "h264-12fps-71" << "yuv420p" << QSize(320, 240) << 12.0 << 0 << 8 << 44100
                                   << "Video Audio";
        QTest::newRow("audio only") << "mp3-audio-only" << "" << QSize() << 0.0 << 0 << 1 << 44100 << "Audio";
    }
    void scansRealDescriptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, pixelFormat);
        QFETCH(QSize, size);
        QFETCH(double, rate);
        QFETCH(int, rotation);
        QFETCH(int, channels);
        QFETCH(int, sampleRate);
        QFETCH(QString, kinds);
        const SourceStreams streams = scanDescription(description(name));
        QVERIFY(streams.described);
        QCOMPARE(streams.kinds.join(u' '), kinds);
        const VideoStream* video = streams.mainVideo();
        QCOMPARE(video ? video->pixelFormat : QString(), pixelFormat);
        QCOMPARE(video ? QSize(video->width, video->height) : QSize(), size);
        QCOMPARE(video ? video->frameRate : 0.0, rate);
        QCOMPARE(video ? video->rotation : 0, rotation);
        const AudioStream* audio = streams.mainAudio();
        QCOMPARE(audio ? audio->channels : 0, channels);
        QCOMPARE(audio ? audio->sampleRate : 0, sampleRate);
    }

    void whatEachFormatAdds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const QString to420 = QStringLiteral("-pix_fmt yuv420p");
        // Nothing for a source that needs nothing, in any format.
        for (const OutputFormat& format : outputFormats())
            QTest::addRow("plain to %s", qPrintable(format.cliName)) << "h264-420" << format.cliName << "";
        for (const char* format : {"mp4-h264", "mov", "flv"}) {
            QTest::addRow("10-bit to %s", format) << "hevc10-displaymatrix" << format << to420;
            QTest::addRow("4:2:2 to %s", format) << "h264-422-10bit-pcm" << format << to420;
            QTest::addRow("MJPEG to %s", format) << "mjpeg-pcm-15fps" << format << to420;
            QTest::addRow("odd 4:4:4 to %s", format) << "h264-444-odd" << format << kEven + " " + to420;
            QTest::addRow("96 kHz to %s", format) << "flac-96k" << format << "-ar 48000";
        }
        // The encoders of MPEG-4 Part 2 and MPEG-1 take odd sides and convert
        // the pixels by themselves.
        QTest::newRow("odd 4:4:4 to mp4") << "h264-444-odd" << "mp4" << "";
        QTest::newRow("odd 4:4:4 to mpg") << "h264-444-odd" << "mpg" << "";
        QTest::newRow("DVD 5.1 to wmv") << "mpeg2-ac3-51" << "wmv" << "-ac 2";
        QTest::newRow("Blu-ray 5.1 to wmv") << "m2ts-ac3-51side" << "wmv" << "-ac 2";
        QTest::newRow("7.1 and 12 fps to wmv") << "h264-12fps-71" << "wmv" << "-ac 2";
        QTest::newRow("96 kHz to wmv") << "flac-96k" << "wmv" << "-ar 48000";
        QTest::newRow("5.1 to avi: MP3 downmixes by itself") << "mpeg2-ac3-51" << "avi" << "";
        QTest::newRow("15 fps to mpg") << "mjpeg-pcm-15fps" << "mpg" << "-r 24000/1001";
        QTest::newRow("12 fps to mpg") << "h264-12fps-71" << "mpg" << "-r 24000/1001";
        QTest::newRow("120 fps to mpg") << "h264-64x48-120fps" << "mpg" << "-r 60";
        QTest::newRow("23.98 fps to mpg") << "m2ts-ac3-51side" << "mpg" << "";
        QTest::newRow("29.97 fps to mpg") << "mpeg2-ac3-51" << "mpg" << "";
        QTest::newRow("above MPEG-1's sides") << "h264-4200x2400" << "mpg"
                                               << "-vf scale=4095:4095:force_original_aspect_ratio=decrease:"
                                                  "force_divisible_by=2 -r 24000/1001";
        QTest::newRow("variable rate") << "vfr" << "mpg" << "";
        // Every format here is progressive: fields are woven into whole frames first.
        for (const OutputFormat& format : outputFormats()) {
            if (!format.copies)
                QTest::addRow("interlaced DVD to %s", qPrintable(format.cliName))
                    << "mpeg2-pal-tff" << format.cliName << "-vf " + kDeinterlace;
        }
        QTest::newRow("DV to mp4-h264") << "dv-pal" << "mp4-h264" << "-vf " + kDeinterlace;
        QTest::newRow("1080i AVCHD to webm-vp9") << "h264-1080i-m2ts" << "webm-vp9" << "-vf " + kDeinterlace;
        QTest::newRow("1080i, swapped mark, to mpg") << "h264-1080i-swapped" << "mpg" << "-vf " + kDeinterlace;
        QTest::newRow("1080i bottom first to wmv") << "h264-1080i-bff-swapped" << "wmv" << "-vf " + kDeinterlace;
        // Film carried as fields: soft pulldown is whole frames, hard pulldown
        // looks like any interlaced video until its pictures are compared.
        QTest::newRow("soft-telecined film") << "mpeg2-soft-telecine" << "mp4-h264" << "";
        QTest::newRow("hard-telecined film") << "mpeg2-hard-telecine" << "mp4-h264" << "-vf " + kDeinterlace;
    }
    void whatEachFormatAdds()
    {
        QFETCH(QString, name);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(added(name, format), expected);
    }

    // What the pictures showed decides the fields over the description, and
    // the format's rules take the picture as the look's filters leave it.
    void whatTheLookAdds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        QTest::addColumn<FieldLook>("fields");
        QTest::addColumn<QRect>("crop");
        QTest::addColumn<QString>("expected");
        const QString ivtc = "-vf fieldmatch=order=auto:combmatch=full," + kDeinterlace + ",decimate";
        for (const OutputFormat& format : outputFormats()) {
            if (!format.copies)
                QTest::addRow("progressive to %s", qPrintable(format.cliName))
                    << "h264-420" << format.cliName << FieldLook::Progressive << QRect() << "";
        }
        QTest::newRow("telecined to mp4-h264") << "mpeg2-hard-telecine" << "mp4-h264" << FieldLook::Telecined << QRect()
                                               << ivtc;
        QTest::newRow("telecined to mpg: 23.976 taken") << "mpeg2-hard-telecine" << "mpg" << FieldLook::Telecined
                                                        << QRect() << ivtc;
        QTest::newRow("PAL film in fields") << "mpeg2-pal-tff" << "mkv-h264" << FieldLook::FilmInFields << QRect()
                                            << "-vf fieldmatch=order=auto:combmatch=full," + kDeinterlace;
        QTest::newRow("interlaced as described") << "mpeg2-pal-tff" << "mp4-h264" << FieldLook::Interlaced << QRect()
                                                 << "-vf " + kDeinterlace;
        QTest::newRow("DV, interlaced as known") << "dv-pal" << "mp4-h264" << FieldLook::Interlaced << QRect()
                                                 << "-vf " + kDeinterlace;
        QTest::newRow("anamorphic, mixed, cropped") << "mpeg2-ac3-51" << "mp4-h264" << FieldLook::Mixed
                                                    << QRect(8, 0, 704, 480) << "-vf " + kDeinterlace + ",crop=704:480:8:0";
        QTest::newRow("cropped within MPEG-1's sides") << "h264-4200x2400" << "mpg" << FieldLook::Progressive
                                                       << QRect(100, 200, 4000, 2000)
                                                       << "-vf crop=4000:2000:100:200 -r 24000/1001";
        QTest::newRow("odd sides cropped away") << "h264-444-odd" << "mp4-h264" << FieldLook::Unread
                                                << QRect(0, 20, 320, 200) << "-vf crop=320:200:0:20 -pix_fmt yuv420p";
        QTest::newRow("cropped below AV1's sides") << "h264-420" << "mp4-av1" << FieldLook::Unread
                                                   << QRect(0, 100, 320, 40)
                                                   << "-vf crop=320:40:0:100,scale=64:64:force_original_aspect_ratio="
                                                      "increase:force_divisible_by=2";
    }
    void whatTheLookAdds()
    {
        QFETCH(QString, name);
        QFETCH(QString, format);
        QFETCH(FieldLook, fields);
        QFETCH(QRect, crop);
        QFETCH(QString, expected);
        PictureLook look;
        look.ran = true;
        look.fields = fields;
        look.crop = CropArea{crop.width(), crop.height(), crop.x(), crop.y()};
        QCOMPARE(added(name, format, RotationChoice::None, look), expected);
    }

    // The size fix joins the rotation's chain: FFmpeg keeps only the last -vf.
    void theFixJoinsTheRotationChain_data()
    {
        QTest::addColumn<QStringList>("rotation");
        QTest::addColumn<QString>("joined");
        QTest::newRow("none") << QStringList() << "-vf scale=x";
        QTest::newRow("quoted turn") << QStringList{"transpose=1"} << "-vf \"transpose=1,scale=x\"";
        QTest::newRow("bare mirror") << QStringList{"transpose=2", "vflip"} << "-vf transpose=2,vflip,scale=x";
    }
    void theFixJoinsTheRotationChain()
    {
        QFETCH(QStringList, rotation);
        QFETCH(QString, joined);
        QCOMPARE(chainText({}, rotation, {"scale=x"}), joined);
        QCOMPARE(chainText({}, rotation, {}), RotationFilters{rotation}.text());
    }

    void commandCarriesOneFilter()
    {
        const SourceStreams streams = scanDescription(description("h264-444-odd"));
        const OutputFormat& mov = *formatNamed("mov");
        const RotationFilters turn = Rotation::filtersFor(RotationChoice::Clockwise, "0");
        const ConsoleCommand command =
            conversionCommand("/p", "/in.mkv", mov, 5000, turn, "/o.mov", fitSource(streams, mov, turn));
        QVERIFY2(command.text().endsWith(" -vb 5000k -vf \"transpose=1,scale=trunc(iw/2)*2:trunc(ih/2)*2\" "
                                         "-pix_fmt yuv420p \"/o.mov\""),
                 qPrintable(command.text()));
        QCOMPARE(command.arguments().count("-vf"), 1);
    }

    // Sides are reckoned as they come out: a 4200x2400 picture turned a
    // quarter by its display matrix and a quarter back by the choice is
    // still wider than tall.
    void sidesAfterTheTurns()
    {
        SourceStreams streams;
        streams.described = true;
        streams.kinds << "Video";
        streams.video << VideoStream{0, "h264", "yuv420p", 4001, 3, 1, 1, 25, 90, false};
        const RotationFilters none = Rotation::filtersFor(RotationChoice::None, "0");
        const RotationFilters cw = Rotation::filtersFor(RotationChoice::Clockwise, "0");
        const SourceFit upright = fitSource(streams, *formatNamed("mp4-h264"), none);
        QCOMPARE(upright.reasons.value(0).left(12), QString("scale: 3x400"));
        const SourceFit turnedBack = fitSource(streams, *formatNamed("mp4-h264"), cw);
        QCOMPARE(turnedBack.reasons.value(0).left(12), QString("scale: 4001x"));
    }

    void readsTheFieldOrder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FieldOrder>("order");
        QTest::newRow("DVD, interlaced") << description("mpeg2-pal-tff") << FieldOrder::TopFirst;
        QTest::newRow("AVCHD") << description("h264-1080i-m2ts") << FieldOrder::TopFirst;
        QTest::newRow("Matroska by FFmpeg") << description("h264-1080i-swapped") << FieldOrder::TopCodedFirst;
        QTest::newRow("Matroska, bottom first")
            << description("h264-1080i-bff-swapped") << FieldOrder::BottomCodedFirst;
        QTest::newRow("DV says nothing") << description("dv-pal") << FieldOrder::Unknown;
        QTest::newRow("DVD, progressive") << description("mpeg2-ac3-51") << FieldOrder::Progressive;
        QTest::newRow("soft-telecined film") << description("mpeg2-soft-telecine") << FieldOrder::Progressive;
        QTest::newRow("hard-telecined film") << description("mpeg2-hard-telecine") << FieldOrder::TopFirst;
        QTest::newRow("colour details, no order") << description("mjpeg-pcm-15fps") << FieldOrder::Unknown;
        QTest::newRow("broadcast colours")
            << "Input #0, mpegts, from 'a.ts':\n  Stream #0:0[0x100]: Video: mpeg2video (Main), "
               "yuv420p(tv, bt709, bottom first), 1920x1080 [SAR 1:1 DAR 16:9], 25 fps, 25 tbr, 90k tbn\n"
            << FieldOrder::BottomFirst;
        QTest::newRow("an order elsewhere on the line")
            << "Input #0, avi, from 'a.avi':\n  Stream #0:0: Video: mpeg4, yuv420p, 320x240 (top first), 25 fps\n"
            << FieldOrder::Unknown;
    }
    void readsTheFieldOrder()
    {
        QFETCH(QString, text);
        QFETCH(FieldOrder, order);
        const SourceStreams streams = scanDescription(text);
        QVERIFY(streams.mainVideo());
        QCOMPARE(streams.mainVideo()->fieldOrder, order);
    }

    // What the dry run and the log say of it.
    void saysWhyItDeinterlaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("DVD") << description("mpeg2-pal-tff") << "bwdif: the source is interlaced (top field first)";
        QTest::newRow("DV") << description("dv-pal")
                            << "bwdif: the source is interlaced (bottom field first, as DV is)";
        QTest::newRow("top coded first") << description("h264-1080i-swapped")
                                         << "bwdif: the source is interlaced (top field coded first)";
        QTest::newRow("bottom coded first") << description("h264-1080i-bff-swapped")
                                            << "bwdif: the source is interlaced (bottom field coded first)";
        // DVCPRO HD at 720 lines is whole frames.
        QTest::newRow("DV at 720 lines")
            << "Input #0, mov,mp4, from 'a.mov':\n  Stream #0:0: Video: dvvideo (dvh5 / 0x35687664), yuv422p, "
               "960x720, 50 fps, 50 tbr\n"
            << "";
        QTest::newRow("progressive") << description("h264-420") << "";
    }
    void saysWhyItDeinterlaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        const SourceFit fit = fitSource(scanDescription(text), *formatNamed("mp4-h264"), RotationFilters{});
        QCOMPARE(fit.reasons.filter(QStringLiteral("bwdif")).value(0), reason);
    }

    // The fields are woven before anything turns or scales the picture: a
    // turned picture's fields would be columns.
    void theDeinterlacerLeadsTheChain_data()
    {
        QTest::addColumn<QStringList>("rotation");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("joined");
        QTest::newRow("alone") << QStringList() << QStringList() << "-vf bwdif";
        QTest::newRow("before a scale") << QStringList() << QStringList{"scale=x"} << "-vf bwdif,scale=x";
        QTest::newRow("quoted turn") << QStringList{"transpose=1"} << QStringList{"scale=x"}
                                     << "-vf \"bwdif,transpose=1,scale=x\"";
        QTest::newRow("bare mirror") << QStringList{"transpose=2", "vflip"} << QStringList()
                                     << "-vf bwdif,transpose=2,vflip";
    }
    void theDeinterlacerLeadsTheChain()
    {
        QFETCH(QStringList, rotation);
        QFETCH(QStringList, after);
        QFETCH(QString, joined);
        QCOMPARE(chainText({"bwdif"}, rotation, after), joined);
    }

    void interlacedCommandCarriesOneChain()
    {
        const SourceStreams streams = scanDescription(description("mpeg2-pal-tff"));
        const OutputFormat& mov = *formatNamed("mov");
        const RotationFilters turn = Rotation::filtersFor(RotationChoice::Clockwise, "0");
        const ConsoleCommand command =
            conversionCommand("/p", "/in.vob", mov, 5000, turn, "/o.mov", fitSource(streams, mov, turn));
        QVERIFY2(command.text().endsWith(" -vb 5000k -vf \"" + kDeinterlace + ",transpose=1\" \"/o.mov\""),
                 qPrintable(command.text()));
        QCOMPARE(command.arguments().count("-vf"), 1);
    }

    // A copy re-encodes nothing: the fields stay as they are.
    void theCopyKeepsTheFields()
    {
        const SourceStreams streams = scanDescription(description("mpeg2-pal-tff"));
        const ConversionJob plan = planJob(streams, *formatNamed("copy"), RateControl::bitrate(0), {}, false);
        QVERIFY(plan.fit.firstFilters.isEmpty());
        QVERIFY2(!plan.fit.reasons.join(u'\n').contains("bwdif"), qPrintable(plan.fit.reasons.join(u'\n')));
    }

    void whatCannotConvert_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file") << description("text-file") << "t.txt" << "not a video file FFmpeg can read";
        QTest::newRow("damaged file") << description("bad-fourcc") << "unk.avi" << "not a video file FFmpeg can read";
        QTest::newRow("gone") << "/v/a.mp4: No such file or directory\n" << "/v/a.mp4"
                              << "/v/a.mp4: No such file or directory";
        QTest::newRow("audio only") << description("mp3-audio-only") << "a.mp3" << "no video stream";
        QTest::newRow("cover art is no video")
            << "Input #0, mp3, from 'a.mp3':\n  Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp\n"
               "  Stream #0:1: Video: mjpeg (Baseline), yuvj420p(pc), 500x500, 90k tbr (attached pic)\n"
            << "a.mp3" << "no video stream";
        QTest::newRow("no decoder") << "Input #0, avi, from 'x.avi':\n"
                                       "  Stream #0:0: Video: none (ABCD / 0x44434241), none, 320x240, 25 fps\n"
                                    << "x.avi" << "its video is in a codec FFmpeg cannot decode";
        // Unreadable or foreign text: the plain command is tried.
        QTest::newRow("no streams listed") << "Input #0, avi, from 'x.avi':\n  Duration: 00:00:02.00,\n" << "x.avi"
                                           << "";
        QTest::newRow("someone else's error") << "other.mp4: No such file or directory\n" << "x.avi" << "";
        QTest::newRow("nothing") << "" << "x.avi" << "";
        QTest::newRow("plain") << description("h264-420") << "plain.mp4" << "";
    }
    void whatCannotConvert()
    {
        QFETCH(QString, text);
        QFETCH(QString, source);
        QFETCH(QString, reason);
        QCOMPARE(unconvertibleReason(scanDescription(text, source)), reason);
    }

    // Colour as phones, cameras, downloads and Dolby Vision files declare it.
    void scansColour_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("colour");   // range matrix/primaries/transfer
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("hdr");      // the transfer taken as HDR
        QTest::addColumn<QString>("declared"); // mastering peak, MaxCLL, Dolby Vision profile.compatibility
        QTest::newRow("phone HLG") << "phone-hlg" << "tv bt2020nc/bt2020/arib-std-b67" << 10 << "arib-std-b67"
                                   << "0 0 -";
        QTest::newRow("HDR10 with mastering display")
            << "hdr10-mastering" << "tv bt2020nc/bt2020/smpte2084" << 10 << "smpte2084" << "1000 1000 -";
        QTest::newRow("VP9 profile 2 PQ") << "download-vp9-pq" << "tv bt2020nc/bt2020/smpte2084" << 10 << "smpte2084"
                                          << "0 0 -";
        QTest::newRow("AV1 HLG") << "camera-av1-hlg" << "tv bt2020nc/bt2020/arib-std-b67" << 10 << "arib-std-b67"
                                 << "0 0 -";
        QTest::newRow("iPhone Dolby Vision 8.4") << "iphone-dolby-vision" << "tv bt2020nc/bt2020/arib-std-b67" << 10
                                                 << "arib-std-b67" << "0 0 8.4";
        QTest::newRow("Dolby Vision 8.1, transfer unsaid: PQ by its base layer")
            << "dolby-vision-81-untagged" << "tv //" << 10 << "smpte2084" << "4000 0 8.1";
        QTest::newRow("Dolby Vision 5: no HDR base layer") << "dolby-vision-5-untagged" << "tv //" << 10 << ""
                                                          << "0 0 5.0";
        QTest::newRow("SDR tagged BT.709") << "h264-bt709" << "tv bt709/bt709/bt709" << 8 << "" << "0 0 -";
        QTest::newRow("SDR untagged") << "h264-420" << " //" << 8 << "" << "0 0 -";
        QTest::newRow("10-bit SDR") << "h264-422-10bit-pcm" << " //" << 10 << "" << "0 0 -";
        QTest::newRow("camera, some colour unknown") << "mjpeg-pcm-15fps" << "pc bt470bg//" << 8 << "" << "0 0 -";
    }
    void scansColour()
    {
        QFETCH(QString, name);
        QFETCH(QString, colour);
        QFETCH(int, bits);
        QFETCH(QString, hdr);
        QFETCH(QString, declared);
        const SourceStreams streams = scanDescription(description(name));
        const VideoStream* video = streams.mainVideo();
        QVERIFY(video);
        QCOMPARE(video->range + u' ' + video->matrix + u'/' + video->primaries + u'/' + video->transfer, colour);
        QCOMPARE(video->bitDepth, bits);
        QCOMPARE(video->hdrTransfer(), hdr);
        const DolbyVision& dolby = video->dolbyVision;
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(video->mastering.maxLuminance)
                     .arg(video->maxCll)
                     .arg(dolby.isDeclared() ? QStringLiteral("%1.%2").arg(dolby.profile).arg(dolby.compatibility)
                                             : QStringLiteral("-")),
                 declared);
    }

    void masteringDisplayRead()
    {
        const VideoStream video = *scanDescription(description("hdr10-mastering")).mainVideo();
        QVERIFY(video.mastering.isKnown());
        QCOMPARE(video.mastering.red[0], 0.68);
        QCOMPARE(video.mastering.green[1], 0.69);
        QCOMPARE(video.mastering.blue[1], 0.06);
        QCOMPARE(video.mastering.white[0], 0.3127);
        QCOMPARE(video.mastering.minLuminance, 0.0001);
        QCOMPARE(video.maxFall, 400);
        // Nothing is taken from a line that is not what FFmpeg writes.
        const QString odd = description("hdr10-mastering")
                                .replace("r(0.6800,0.3200)", "r(1.6800,0.3200)")
                                .replace("MaxCLL=1000", "MaxCLL=-5");
        const VideoStream bad = *scanDescription(odd).mainVideo();
        QVERIFY(!bad.mastering.isKnown());
        QCOMPARE(bad.mastering.maxLuminance, 1000.0);
        QCOMPARE(bad.maxCll, 0);
    }

    // Every HDR source in every format: H.265, AV1 and VP9 keep it in 10
    // bits with the source's tags, unless SDR is asked for; every other
    // format gets it tone-mapped to BT.709, the map last in the chain.
    void hdrInEveryFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("hdrToSdr");
        QTest::addColumn<bool>("kept");
        const QStringList keeping{"mp4-h265", "mp4-av1", "webm-av1", "webm-vp9"};
        for (const char* name : {"phone-hlg", "hdr10-mastering", "download-vp9-pq", "camera-av1-hlg",
                                 "iphone-dolby-vision", "dolby-vision-81-untagged"}) {
            for (const OutputFormat& format : outputFormats()) {
                if (format.copies)
                    continue;
                for (const bool sdr : {false, true})
                    QTest::addRow("%s to %s%s", name, qPrintable(format.cliName), sdr ? ", SDR asked for" : "")
                        << name << format.cliName << sdr << (!sdr && keeping.contains(format.cliName));
            }
        }
    }
    void hdrInEveryFormat()
    {
        QFETCH(QString, name);
        QFETCH(QString, format);
        QFETCH(bool, hdrToSdr);
        QFETCH(bool, kept);
        const SourceStreams streams = scanDescription(description(name));
        const QString transfer = streams.mainVideo()->hdrTransfer();
        const SourceFit fit = fitSource(streams, *formatNamed(format), RotationFilters{}, hdrToSdr);
        const QString options = fit.options.join(u' ');
        const QString reasons = fit.reasons.join(u'\n');
        if (kept) {
            QVERIFY2(fit.filters.isEmpty(), qPrintable(fit.filters.join(u',')));
            QVERIFY2(options.startsWith("-pix_fmt yuv420p10le -color_primaries bt2020 -color_trc " + transfer +
                                        " -colorspace bt2020nc"),
                     qPrintable(options));
            QVERIFY2(reasons.contains("kept in high dynamic range"), qPrintable(reasons));
        } else {
            QVERIFY2(fit.filters.value(fit.filters.size() - 1).startsWith("zscale=tin=" + transfer + ":"),
                     qPrintable(fit.filters.join(u',')));
            QVERIFY2(options.contains("-color_primaries bt709 -color_trc bt709 -colorspace bt709"), qPrintable(options));
            QVERIFY2(!options.contains("yuv420p10le"), qPrintable(options));
            QVERIFY2(reasons.contains("tone map " + QString(transfer == "smpte2084" ? "PQ" : "HLG") + " to BT.709"),
                     qPrintable(reasons));
        }
    }

    // What an ordinary picture gets stays as it was, whatever its tags say.
    void sdrGetsNothingNew()
    {
        const SourceStreams tagged = scanDescription(description("h264-bt709"));
        for (const OutputFormat& format : outputFormats()) {
            QVERIFY2(fitSource(tagged, format, RotationFilters{}, false).isEmpty(), qPrintable(format.cliName));
            QVERIFY2(fitSource(tagged, format, RotationFilters{}, true).isEmpty(), qPrintable(format.cliName));
        }
        // A 10-bit SDR source still becomes 8-bit in H.265, as before.
        const SourceStreams deep = scanDescription(description("hevc10-displaymatrix"));
        QCOMPARE(added("hevc10-displaymatrix", "mp4-h265"), QString("-pix_fmt yuv420p"));
        QVERIFY(!deep.mainVideo()->hdrTransfer().size());
    }

    // The one -vf: the turn first, then the size fix, the tone map last.
    void toneMapJoinsTheOneChain()
    {
        const SourceStreams streams = scanDescription(description("phone-hlg"));
        const OutputFormat& h264 = *formatNamed("mp4-h264");
        const RotationFilters turn = Rotation::filtersFor(RotationChoice::Clockwise, "0");
        const SourceFit fit = fitSource(streams, h264, turn);
        const ConsoleCommand command = conversionCommand("/p", "/in.mp4", h264, 5000, turn, "/o.mp4", fit);
        // In a graph beside an input of nothing, tied to no stream of the
        // source: its HDR records stay behind.
        const QStringList arguments = command.arguments();
        QCOMPARE(arguments.count("-vf"), 0);
        QCOMPARE(arguments.mid(arguments.indexOf("/in.mp4") + 1, 4).join(u' '), "-f lavfi -i nullsrc=s=16x16:r=1:d=1");
        const QString graph = arguments.at(arguments.indexOf("-filter_complex") + 1);
        const int picture = streams.mainVideo()->index;
        QCOMPARE(graph, QString("[0:%1]transpose=1,%2;[1:v]nullsink").arg(picture).arg(toneMapFilter(*streams.mainVideo())));
        // One argument of FFmpeg's own words, ending in what 8-bit encoders take.
        const QString chain = graph.chopped(QString(";[1:v]nullsink").size());
        QVERIFY(!chain.contains(u' ') && !chain.contains(u'"'));
        QVERIFY(chain.endsWith(",format=yuv420p"));
    }

    // PQ is absolute: the map rolls off to the brightest the source declares.
    void toneMapPeak_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("peak");
        QTest::newRow("HLG: its 1000 nit display") << "phone-hlg" << 1000;
        QTest::newRow("PQ by MaxCLL") << "hdr10-mastering" << 1000;
        QTest::newRow("PQ by the mastering display") << "dolby-vision-81-untagged" << 4000;
        QTest::newRow("PQ, nothing declared") << "download-vp9-pq" << 1000;
    }
    void toneMapPeak()
    {
        QFETCH(QString, name);
        QFETCH(int, peak);
        const VideoStream video = *scanDescription(description(name)).mainVideo();
        QCOMPARE(tarnwick::toneMapPeak(video), peak);
        QVERIFY(toneMapFilter(video).contains(QStringLiteral(":npl=%1,").arg(peak)));
    }

    // The encoders that write a mastering display are told the source's.
    void masteringDisplayKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("x265") << "hdr10-mastering" << "mp4-h265"
                              << "-x265-params master-display=G(13250,34500)B(7500,3000)R(34000,16000)"
                                 "WP(15635,16450)L(10000000,1):max-cll=1000,400";
        QTest::newRow("SVT-AV1") << "hdr10-mastering" << "webm-av1"
                                 << "-svtav1-params mastering-display=G(0.2650,0.6900)B(0.1500,0.0600)"
                                    "R(0.6800,0.3200)WP(0.3127,0.3290)L(1000.0000,0.0001):content-light=1000,400";
        QTest::newRow("no light levels") << "dolby-vision-81-untagged" << "mp4-h265"
                                         << "-x265-params master-display=G(13250,34500)B(7500,3000)R(34000,16000)"
                                            "WP(15635,16450)L(40000000,50)";
        // WebM carries them itself: FFmpeg copies the source's onto the stream.
        QTest::newRow("VP9") << "hdr10-mastering" << "webm-vp9" << "";
        QTest::newRow("nothing declared") << "phone-hlg" << "mp4-h265" << "";
    }
    void masteringDisplayKept()
    {
        QFETCH(QString, name);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        const QString options = added(name, format);
        const qsizetype at = options.indexOf(" -x265-params") >= 0 ? options.indexOf(" -x265-params")
                                                                   : options.indexOf(" -svtav1-params");
        QCOMPARE(at < 0 ? QString() : options.mid(at + 1), expected);
    }

    // Profile 5 has no picture other players can show: only its copy is made.
    void dolbyVisionProfile5_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("refused");
        for (const OutputFormat& format : outputFormats()) {
            QTest::addRow("5 to %s", qPrintable(format.cliName))
                << "dolby-vision-5-untagged" << format.cliName << !format.copies;
            QTest::addRow("5 in MP4 to %s", qPrintable(format.cliName))
                << "dolby-vision-5" << format.cliName << !format.copies;
            QTest::addRow("8.4 to %s", qPrintable(format.cliName)) << "iphone-dolby-vision" << format.cliName << false;
        }
    }
    void dolbyVisionProfile5()
    {
        QFETCH(QString, name);
        QFETCH(QString, format);
        QFETCH(bool, refused);
        ProbeResult probed;
        probed.ran = true;
        probed.streams = scanDescription(description(name));
        RunSettings settings;
        settings.format = formatNamed(format);
        const QString reason = refusal(probed, settings);
        QCOMPARE(!reason.isEmpty(), refused);
        if (refused)
            QVERIFY2(reason.contains("Dolby Vision profile 5") && reason.contains("Copy"), qPrintable(reason));
    }

    // MP4 keeps a Dolby Vision record only when FFmpeg is told it may.
    void dolbyVisionCopyKeepsItsRecord_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("strict");
        QTest::newRow("8.4 from a phone") << "iphone-dolby-vision" << ".mp4" << true;
        QTest::newRow("5 in MP4") << "dolby-vision-5" << ".mp4" << true;
        QTest::newRow("5 from Matroska") << "dolby-vision-5-untagged" << ".mp4" << true;
        QTest::newRow("HLG without Dolby Vision") << "phone-hlg" << ".mp4" << false;
    }
    void dolbyVisionCopyKeepsItsRecord()
    {
        QFETCH(QString, name);
        QFETCH(QString, extension);
        QFETCH(bool, strict);
        const ConversionJob plan = planJob(scanDescription(description(name)), *formatNamed("copy"), RateControl::bitrate(0), {}, false, true);
        QCOMPARE(plan.extension, extension);
        QCOMPARE(plan.fit.options.join(u' ').contains("-strict unofficial"), strict);
        QVERIFY(plan.fit.filters.isEmpty());
    }

    void layoutChannels()
    {
        const QList<QPair<QString, int>> layouts{{"mono", 1},        {"stereo", 2},     {"2.1", 3},
                                                 {"5.1(side)", 6},   {"7.1(wide)", 8},  {"5.1.2", 8},
                                                 {"quad(side)", 4},  {"6 channels", 6}, {"2 channels (FL+FR)", 2},
                                                 {"22.2", 24},       {"fltp", 0},       {"", 0}};
        for (const auto& [layout, channels] : layouts)
            QCOMPARE(channelsOfLayout(layout), channels);
    }
};

QTEST_GUILESS_MAIN(tst_SourceFit)
#include "tst_SourceFit.moc"
