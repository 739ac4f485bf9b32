#include "media/PictureLook.h"

#include <QFile>
#include <QTest>

using namespace tarnwick;

namespace {
// The recorded output of the look's run over sources made as discs and
// broadcasts make them (tests/data/looks), the filters' own lines, with
// the plan that made it.
QString recorded(const QString& name)
{
    QFile file(QStringLiteral(TARNWICK_TEST_DATA "/looks/") + name + QStringLiteral(".txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

VideoStream video(int width, int height, double rate, bool interlaced, int depth = 8)
{
    VideoStream v;
    v.index = 0;
    v.width = width;
    v.height = height;
    v.frameRate = rate;
    v.fieldOrder = interlaced ? FieldOrder::TopFirst : FieldOrder::Progressive;
    v.bitDepth = depth;
    v.range = QStringLiteral("tv");
    return v;
}
const double kNtsc = 30000.0 / 1001;
} // namespace

class tst_PictureLook : public QObject
{
    Q_OBJECT

private slots:
    void recordedLooks_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<VideoStream>("source");
        QTest::addColumn<double>("duration");
        QTest::addColumn<bool>("crop");
        QTest::addColumn<int>("fields");
        QTest::addColumn<CropArea>("area");
        QTest::addColumn<int>("unread");
        const CropArea none;
        QTest::newRow("3:2 NTSC film") << "telecined-ntsc" << video(720, 480, kNtsc, true) << 10.0
                                       << false << int(FieldLook::Telecined) << none << 0;
        QTest::newRow("NTSC video") << "interlaced-ntsc" << video(720, 480, kNtsc, true) << 10.0
                                    << false << int(FieldLook::Interlaced) << none << 0;
        QTest::newRow("2:2 PAL film") << "film-pal-22" << video(720, 576, 25, true) << 10.0 << false
                                      << int(FieldLook::FilmInFields) << none << 0;
        QTest::newRow("progressive, then interlaced")
            << "mixed-dvd" << video(720, 480, kNtsc, false) << 8.0 << false << int(FieldLook::Mixed)
            << none << 0;
        QTest::newRow("scope, title card, fade")
            << "scope-card-fade" << video(1280, 720, 24, false) << 10.0 << true
            << int(FieldLook::Unread) << CropArea{1280, 536, 0, 92} << 0;
        QTest::newRow("4:3 in 16:9") << "pillarbox" << video(1280, 720, 25, false) << 6.0 << true
                                     << int(FieldLook::Unread) << CropArea{960, 720, 160, 0} << 0;
        QTest::newRow("dark full frame") << "dark-full-frame" << video(640, 360, 25, false) << 6.0
                                         << true << int(FieldLook::Unread) << none << 0;
        QTest::newRow("scope and full frame")
            << "scope-and-full-frame" << video(1280, 720, 24, false) << 9.0 << true
            << int(FieldLook::Unread) << none << 0;
        QTest::newRow("10-bit scope")
            << "letterbox-10bit" << video(1280, 720, 24, false, 10) << 4.0 << true
            << int(FieldLook::Unread) << CropArea{1280, 536, 0, 92} << 0;
        QTest::newRow("damaged 3:2 DVD") << "damaged-dvd" << video(720, 480, kNtsc, true) << 10.0
                                         << true << int(FieldLook::Telecined) << none << 1;
    }
    void recordedLooks()
    {
        QFETCH(QString, log);
        QFETCH(VideoStream, source);
        QFETCH(double, duration);
        QFETCH(bool, crop);
        SourceStreams streams;
        streams.video << source;
        streams.duration = duration;
        const LookPlan plan = planLook(streams, 0, 0, crop, false);
        const QString output = recorded(log);
        QVERIFY(!output.isEmpty());
        const PictureLook look = readPictureLook(output, plan, source);
        QTEST(int(look.fields), "fields");
        QTEST(look.crop, "area");
        QTEST(int(look.unread.size()), "unread");
        // Whatever part of it arrives: a reading, never a crash.
        for (qsizetype cut = 1; cut < output.size(); cut += output.size() / 7)
            readPictureLook(output.left(cut) +
                                QStringLiteral("[idet@w1 @ 0x1] Multi frame detection: TFF:"),
                            plan, source);
    }

    void plans()
    {
        SourceStreams streams;
        streams.video << video(1280, 720, 30, false);
        streams.duration = 60;
        QVERIFY(planLook(streams, 0, 0, false, false).isEmpty()); // 720p is never interlaced
        QVERIFY(planLook(streams, 0, 0, true, true).isEmpty());   // the copy
        // Windows (count, first start, length): a minute, a film, crop alone,
        // a range shorter than a window, a length not known.
        const auto first = [](const QList<LookWindow>& w) {
            return QString("%1 %2 %3").arg(w.size()).arg(w.first().start).arg(w.first().length);
        };
        QCOMPARE(first(lookWindows(60, 0, 0, true)), "3 9.75 0.5");
        QCOMPARE(first(lookWindows(7200, 0, 0, true)), "20 179 2");
        QCOMPARE(first(lookWindows(600, 0, 0, false)), "10 29.9 0.2");
        QCOMPARE(first(lookWindows(600, 100, 0.7, true)), "1 100 0.7");
        QCOMPARE(first(lookWindows(0, 0, 0, true)), "1 0 2");
    }
};

QTEST_GUILESS_MAIN(tst_PictureLook)
#include "tst_PictureLook.moc"
