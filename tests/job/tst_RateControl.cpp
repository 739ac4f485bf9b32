// The rate as the encoder is given it: sizes as people write them, each
// format's quality on its own scale, a size shared out between the sound,
// the container and the picture, and the two passes' commands.

#include "job/ConversionJob.h"
#include "media/Rotation.h"

#include <QFile>
#include <QSize>
#include <QTest>

#include <algorithm>

using namespace tarnwick;

namespace {

SourceStreams described(const QString& name)
{
    QFile file(QStringLiteral(TARNWICK_TEST_DATA "/descriptions/%1.txt").arg(name));
    return file.open(QIODevice::ReadOnly) ? scanDescription(QString::fromUtf8(file.readAll())) : SourceStreams{};
}

} // namespace

class tst_RateControl : public QObject
{
    Q_OBJECT

private slots:
    void sizesAsPeopleWriteThem()
    {
        const QList<QPair<QString, qint64>> sizes{
            {"25M", 25000000},   {"700MB", 700000000}, {"4G", 4000000000}, {"1.5 gb", 1500000000},
            {"1,5G", 1500000000}, {"800K", 800000},     {"25", 25000000},   {" 2 MiB ", 2097152},
            {"0", 0},            {"-5M", 0},           {"25Q", 0},         {"MB", 0},
            {"25 iB", 0},        {"", 0},              {"2000T", 0},
        };
        for (const auto& [text, bytes] : sizes)
            QCOMPARE(parseSize(text).value_or(0), bytes);
        QCOMPARE(sizeText(25000000), QString("25 MB"));
        QCOMPARE(sizeText(4000000000), QString("4 GB"));
        QCOMPARE(sizeText(1234567, true), QString("1.24 MB"));
        QCOMPARE(sizeText(812345), QString("812 KB"));
        QCOMPARE(parseSize(sizeText(1234567, true)).value_or(0), 1240000);
    }

    void qualityLevels()
    {
        for (const OutputFormat& format : outputFormats()) {
            const QualityScale& scale = format.quality;
            if (format.copies) {
                QVERIFY(!scale.isKnown());
                continue;
            }
            const QList<int> levels = scale.levels();
            QVERIFY2(levels.contains(scale.byDefault) && levels.size() >= 8, qPrintable(format.cliName));
            QVERIFY(std::is_sorted(levels.begin(), levels.end()) && levels.first() - scale.best < levels[1] - levels[0]);
            QVERIFY(scale.takes(scale.better(scale.byDefault, -2)) && scale.better(scale.byDefault, -2) > scale.byDefault);
        }
    }

    // One command a conversion, or the two passes: the first writes only
    // its log, the second the file; x265 takes its pass among its own
    // parameters; SVT-AV1 takes one pass.
    void commandsByRate_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        QTest::addColumn<RateControl>("rate");
        QTest::addColumn<bool>("web");
        QTest::addColumn<QStringList>("texts"); // each command's text ends so
        const QString out = " \"/o.mp4\"";
        QTest::newRow("x264 quality") << "h264-420" << "mp4-h264" << RateControl::constantQuality(20) << false
                                      << QStringList{"-vcodec h264 -crf 20 " + out};
        QTest::newRow("VP9 quality") << "h264-420" << "webm-vp9" << RateControl::constantQuality(-1) << false
                                     << QStringList{"-acodec libopus -crf 32 -b:v 0 " + out};
        QTest::newRow("MPEG-4 size") << "h264-420" << "mp4" << RateControl::size(3000000) << true
                                     << QStringList{"-vb 7454k -b:a 128k -qmin 1 -lmin 118  -pass 1 -passlogfile "
                                                    "\"/t/log\" -vcodec mpeg4 -fps_mode cfr -an -sn -dn -f null -",
                                                    "-qmin 1 -lmin 118  -movflags +faststart -pass 2 -passlogfile "
                                                    "\"/t/log\"" + out};
        QTest::newRow("x265 size") << "h264-420" << "mp4-h265" << RateControl::size(3000000) << false
                                   << QStringList{"-x265-params pass=1:slow-firstpass=0:stats=/t/log.x265.log "
                                                  "-vcodec libx265 -fps_mode cfr -an -sn -dn -f null -",
                                                  "-x265-params pass=2:stats=/t/log.x265.log" + out};
        // Too small a size for 4200x2400 even once fitted to MPEG-1: 1080 lines.
        QTest::newRow("MPEG-1 size, smaller") << "h264-4200x2400" << "mpg" << RateControl::size(300000) << false
                                              << QStringList{"-vf scale=4095:4095:force_original_aspect_ratio=decrease:"
                                                             "force_divisible_by=2,scale=1890:1080 -r 24000/1001 "
                                                             "-pass 1 -passlogfile \"/t/log\"",
                                                             ",scale=1890:1080 -r 24000/1001 -pass 2 -passlogfile "
                                                             "\"/t/log\"" + out};
        QTest::newRow("AV1 size") << "h264-420" << "mp4-av1" << RateControl::size(3000000) << false
                                  << QStringList{"-vb 7454k -b:a 128k " + out};
        // With what the source needs: one chain, x265's own parameters joined.
        QTest::newRow("turned phone clip, quality") << "hevc10-displaymatrix" << "mp4-h264"
                                                    << RateControl::constantQuality(-1) << false
                                                    << QStringList{"-crf 23 -vf \"transpose=2\""};
        QTest::newRow("HDR10 kept, size") << "hdr10-mastering" << "mp4-h265" << RateControl::size(500000) << false
                                          << QStringList{":max-cll=1000,400:pass=1:slow-firstpass=0:stats=/t/log.x265.log "
                                                         "-vcodec libx265 -fps_mode cfr -an -sn -dn -f null -",
                                                         ":max-cll=1000,400:pass=2:stats=/t/log.x265.log" + out};
    }
    void commandsByRate()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(RateControl, rate);
        QFETCH(bool, web);
        QFETCH(QStringList, texts);
        const SourceStreams streams = described(source);
        const RotationFilters turn = Rotation::filtersFor(RotationChoice::None, QString::number(streams.mainVideo()->rotation));
        ConversionJob job = planJob(streams, *formatNamed(format), rate, turn, web);
        job.source = "/in.mp4";
        job.output = "/o.mp4";
        const QList<ConsoleCommand> commands = job.commands("/p", "/t/log");
        QCOMPARE(commands.size(), texts.size());
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QVERIFY2(commands[i].text().endsWith(texts[i]) || (texts[i].endsWith('"') && commands[i].text().contains(texts[i])),
                     qPrintable(commands[i].text()));
            QVERIFY(commands[i].arguments().count("-vf") <= 1);
        }
    }

    // A size goes to the container, the sound (every track of a format that
    // keeps them), then the picture; one too small for a picture worth
    // watching, or for the sound alone, is refused with the smallest that works.
    void sharingOutASize()
    {
        const SourceStreams streams = described("two-audio-srt");
        const OutputFormat& mkv = *formatNamed("mkv-h264");
        const SizePlan plan = planSize(streams, mkv, 2000000);
        QVERIFY(plan.refusal.isEmpty());
        QCOMPARE(plan.audioKilobits, 256);
        QCOMPARE(plan.videoKilobits, plan.videoKilobitsFor(SizePlan::kAim * 2000000));
        const SizePlan tiny = planSize(streams, mkv, 1000);
        QVERIFY2(tiny.refusal.contains("the sound alone") && tiny.refusal.contains(sizeText(tiny.smallestBytes, true)),
                 qPrintable(tiny.refusal));
        QVERIFY(planSize(streams, mkv, tiny.smallestBytes - 1000).refusal.contains("picture worth watching"));
        QVERIFY(planSize(streams, mkv, tiny.smallestBytes).refusal.isEmpty());
        // Corrections: down when above, up when well below, none in between
        // nor once a higher rate made the picture no larger.
        QCOMPARE(nextKilobits(plan, {{1000, 1950000, -1}}), 0);
        QVERIFY(nextKilobits(plan, {{1000, 2100000, 1900000}}) < 970);
        QVERIFY(nextKilobits(plan, {{1000, 1500000, 1200000}}) > 1000);
        QCOMPARE(nextKilobits(plan, {{1000, 1500000, 1200000}, {1400, 1510000, 1210000}}), 0);
        QCOMPARE(videoBytesOf("video:1022kB audio:47kB subtitle:0kB"), 1022 * 1024);
    }

    // The picture's size from the bits it gets: its own while they meet
    // the format's floor there, else the largest step that they meet
    // (lines on the shorter side, square pixels, even sides), else none.
    void pictureForTheBits_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("sarNum");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("kilobits");
        QTest::addColumn<QString>("picked"); // empty: none
        QTest::newRow("720p fits") << QSize(1280, 720) << 1 << "mp4" << 3000 << "1280x720";
        QTest::newRow("720p at 5 MB in 20 s") << QSize(1280, 720) << 1 << "mp4" << 1759 << "960x540";
        QTest::newRow("720p WMV") << QSize(1280, 720) << 1 << "wmv" << 1000 << "640x360";
        QTest::newRow("720p, too few for 240 lines") << QSize(1280, 720) << 1 << "mp4" << 200 << "";
        QTest::newRow("portrait 1080p H.264") << QSize(1080, 1920) << 1 << "mp4-h264" << 1500 << "720x1280";
        QTest::newRow("anamorphic DVD") << QSize(720, 480) << 32 << "mp4" << 450 << "426x240";
        QTest::newRow("240 lines, nothing below") << QSize(320, 240) << 1 << "mp4" << 100 << "";
    }
    void pictureForTheBits()
    {
        QFETCH(QSize, size);
        QFETCH(int, sarNum);
        QFETCH(QString, format);
        QFETCH(int, kilobits);
        QFETCH(QString, picked);
        VideoStream video;
        video.width = size.width();
        video.height = size.height();
        video.sarNum = sarNum;
        video.sarDen = sarNum == 1 ? 1 : 27;
        video.frameRate = 30;
        const std::optional<PictureSize> picture = pictureFor(video, *formatNamed(format), kilobits);
        QCOMPARE(picture ? QString("%1x%2").arg(picture->width).arg(picture->height) : QString(), picked);
    }
};

QTEST_GUILESS_MAIN(tst_RateControl)
#include "tst_RateControl.moc"
