// What a source holds, read from FFmpeg's real descriptions of sources made
// the way phones, cameras, screen recorders, discs and downloads make them,
// and what each format then adds to the command.
#include "conversion/ConversionPlan.h"
#include "conversion/EncoderCommand.h"
#include "conversion/Rotation.h"

#include <QFile>
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
QString added(const QString& name, const QString& format, int rotationChoice = Rotation::kNone)
{
    const SourceStreams streams = scanDescription(description(name));
    const SourceFit fit = fitSource(streams, *formatNamed(format), Rotation::filterFor(rotationChoice, "0"));
    QStringList words;
    if (!fit.firstFilters.isEmpty() || !fit.filters.isEmpty())
        words << "-vf" << (fit.firstFilters + fit.filters).join(u',');
    return (words + fit.options).join(u' ');
}

const QString kEven = QStringLiteral("-vf scale=trunc(iw/2)*2:trunc(ih/2)*2");
const QString kDeinterlace = QStringLiteral("bwdif=mode=send_frame:parity=auto:deint=interlaced");

} // namespace

Q_DECLARE_METATYPE(tarnwick::FieldOrder)

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

    // The size fix joins the rotation's chain: FFmpeg keeps only the last -vf.
    void theFixJoinsTheRotationChain_data()
    {
        QTest::addColumn<QString>("rotation");
        QTest::addColumn<QString>("joined");
        QTest::newRow("none") << "" << "-vf scale=x";
        QTest::newRow("quoted turn") << "-vf \"transpose=1\"" << "-vf \"transpose=1,scale=x\"";
        QTest::newRow("bare mirror") << "-vf transpose=2,vflip" << "-vf transpose=2,vflip,scale=x";
        QTest::newRow("not a chain: the turn is kept") << "-filter:v hflip" << "-filter:v hflip";
    }
    void theFixJoinsTheRotationChain()
    {
        QFETCH(QString, rotation);
        QFETCH(QString, joined);
        QCOMPARE(joinFilters(rotation, {"scale=x"}), joined);
        QCOMPARE(joinFilters(rotation, {}), rotation);
    }

    void commandCarriesOneFilter()
    {
        const SourceStreams streams = scanDescription(description("h264-444-odd"));
        const OutputFormat& mov = *formatNamed("mov");
        const QString turn = Rotation::filterFor(0, "0");
        const ConsoleCommand command =
            conversionCommand("/p", "/in.mkv", mov, "5000", turn, "/o.mov", fitSource(streams, mov, turn));
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
        const QString none = Rotation::filterFor(Rotation::kNone, "0");
        const QString cw = Rotation::filterFor(0, "0");
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
        const SourceFit fit = fitSource(scanDescription(text), *formatNamed("mp4-h264"), QString());
        QCOMPARE(fit.reasons.filter(QStringLiteral("bwdif")).value(0), reason);
    }

    // The fields are woven before anything turns or scales the picture: a
    // turned picture's fields would be columns.
    void theDeinterlacerLeadsTheChain_data()
    {
        QTest::addColumn<QString>("rotation");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("joined");
        QTest::newRow("alone") << "" << QStringList() << "-vf bwdif";
        QTest::newRow("before a scale") << "" << QStringList{"scale=x"} << "-vf bwdif,scale=x";
        QTest::newRow("quoted turn") << "-vf \"transpose=1\"" << QStringList{"scale=x"}
                                     << "-vf \"bwdif,transpose=1,scale=x\"";
        QTest::newRow("bare mirror") << "-vf transpose=2,vflip" << QStringList() << "-vf bwdif,transpose=2,vflip";
        QTest::newRow("not a chain: the turn is kept") << "-filter:v hflip" << QStringList() << "-filter:v hflip";
    }
    void theDeinterlacerLeadsTheChain()
    {
        QFETCH(QString, rotation);
        QFETCH(QStringList, after);
        QFETCH(QString, joined);
        QCOMPARE(joinFilters({"bwdif"}, rotation, after), joined);
        QCOMPARE(joinFilters({}, rotation, after), joinFilters(rotation, after));
    }

    void interlacedCommandCarriesOneChain()
    {
        const SourceStreams streams = scanDescription(description("mpeg2-pal-tff"));
        const OutputFormat& mov = *formatNamed("mov");
        const QString turn = Rotation::filterFor(0, "0");
        const ConsoleCommand command =
            conversionCommand("/p", "/in.vob", mov, "5000", turn, "/o.mov", fitSource(streams, mov, turn));
        QVERIFY2(command.text().endsWith(" -vb 5000k -vf \"" + kDeinterlace + ",transpose=1\" \"/o.mov\""),
                 qPrintable(command.text()));
        QCOMPARE(command.arguments().count("-vf"), 1);
    }

    // A copy re-encodes nothing: the fields stay as they are.
    void theCopyKeepsTheFields()
    {
        const SourceStreams streams = scanDescription(description("mpeg2-pal-tff"));
        const ConversionPlan plan = planConversion(streams, *formatNamed("copy"), QString(), QString(), false);
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
