// A time range as people type it, what it adds to the encoder's command,
// when a source refuses it, where a copy of it begins (read from FFmpeg's
// real output) and how far a run of it has got.
#include "base/Text.h"
#include "engine/Progress.h"
#include "job/ConversionJob.h"
#include "support/CommandText.h"

#include <QFile>
#include <QTest>

using namespace tarnwick;

namespace {

QString data(const QString& path)
{
    QFile file(QStringLiteral(TARNWICK_TEST_DATA "/") + path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A three-second H.264 clip with AAC sound, as FFmpeg describes it.
ProbeResult phoneClip()
{
    ProbeResult probed;
    probed.ran = true;
    probed.streams = scanDescription(data("descriptions/h264-420.txt"));
    return probed;
}

ConversionJob planned(const QString& format, const TimeRange& range)
{
    RunSettings settings;
    settings.format = formatNamed(format);
    ConversionJob job = planJob("/in/a.mp4", phoneClip(), settings, range);
    job.output = "/out/a_1.mp4";
    return job;
}

const std::optional<double> kOpen;

} // namespace

Q_DECLARE_METATYPE(tarnwick::TimeRange)

class tst_TimeRange : public QObject
{
    Q_OBJECT

private slots:
    // -1: not a time. What the faces show of a time reads back as it.
    void typedTimes()
    {
        const QList<QPair<QString, double>> table{
            {"90", 90},      {"90.25", 90.25}, {"1:30", 90},    {"01:30", 90},      {"1:02:03.5", 3723.5},
            {"100:00", 6000}, {" 0:05 ", 5},   {"1.23456", 1.235}, {"", -1},        {"1:60", -1},
            {"1:60:00", -1}, {"1:00:00:00", -1}, {"-5", -1},    {"1.5:30", -1},     {"1::30", -1},
            {"1,5", -1},     {".5", -1},       {"1e3", -1},     {"\u0665", -1},     {"1234567890", -1}};
        for (const auto& [typed, seconds] : table) {
            QVERIFY2(parseTime(typed).value_or(-1) == seconds, qPrintable(typed));
            QVERIFY2(seconds < 0 || parseTime(timeText(seconds)) == seconds, qPrintable(timeText(seconds)));
        }
        QCOMPARE(timeText(3723.5) + ' ' + timeText(1.5) + ' ' + timeText(3600), QString("1:02:03.5 0:01.5 1:00:00"));
        QCOMPARE(secondsArgument(2.8 - 1.3), QString("1.5"));
        QCOMPARE(parseRange("1:30", " 2:00 ").range, (TimeRange{90.0, 120.0}));
        QVERIFY(parseRange("1:75", "").error.contains("\"1:75\""));
        QCOMPARE(parseRange("", "0").error, QString("The end must come after the start."));
        QCOMPARE(rangeText({90.0, kOpen}) + ", " + rangeText({kOpen, 120.0}), QString("from 1:30, up to 2:00"));
    }

    // The range's options stand beside the input, and the log says why;
    // without one the command is the one every conversion has.
    void commands_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<TimeRange>("range");
        QTest::addColumn<QString>("text");
        const QString in = "-i \"/in/a.mp4\"", out = " \"/out/a_1.mp4\"", h264 = " -vcodec h264 -vb 5000k ";
        const QString copy = " -c copy  -map 0:0 -map 0:1";
        QTest::newRow("none") << "mp4-h264" << TimeRange{} << in + h264 + out;
        QTest::newRow("both") << "mp4-h264" << TimeRange{90.0, 120.0} << "-ss 90 " + in + " -t 30" + h264 + out;
        QTest::newRow("start") << "mp4-h264" << TimeRange{1.25, kOpen} << "-ss 1.25 " + in + h264 + out;
        QTest::newRow("end") << "mpg" << TimeRange{kOpen, 2.5} << in + " -t 2.5 -vcodec mpeg1video -vb 1500k " + out;
        QTest::newRow("copy from a start")
            << "copy" << TimeRange{1.3, 2.8}
            << "-ss 1.3 " + in + " -t 1.5 -avoid_negative_ts make_zero -copypriorss:a 0" + copy + out;
        QTest::newRow("copy to an end") << "copy" << TimeRange{kOpen, 2.0} << in + " -t 2" + copy + out;
    }
    void commands()
    {
        QFETCH(QString, format);
        QFETCH(TimeRange, range);
        QFETCH(QString, text);
        const ConversionJob job = planned(format, range);
        const ConsoleCommand command = job.command("/p");
        QCOMPARE(command.text().section(" ", 1), text);
        QCOMPARE(command.arguments(), test::splitCommandText(command.text()).mid(1));
        const QString why = job.added().value(job.added().size() - 1);
        QCOMPARE(why.startsWith((job.seekArguments() + job.cutArguments()).join(u' ') + ": the time range"),
                 range.isSet());
    }

    // A range that leaves nothing of the three seconds fails that file; an
    // end past their end is their end.
    void refusals_data()
    {
        QTest::addColumn<TimeRange>("range");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<double>("seconds");
        QTest::newRow("end past the end") << TimeRange{1.0, 60.0} << "" << 2.0;
        QTest::newRow("start only") << TimeRange{2.5, kOpen} << "" << 0.5;
        QTest::newRow("start at the end")
            << TimeRange{3.0, kOpen} << "the time range starts at 0:03, but the video is only 0:03 long" << 0.0;
        QTest::newRow("end before start")
            << TimeRange{2.0, 1.0} << "the time range ends at 0:01, which is not after its start at 0:02" << 0.0;
    }
    void refusals()
    {
        QFETCH(TimeRange, range);
        QFETCH(QString, reason);
        QFETCH(double, seconds);
        for (const char* format : {"mp4-h264", "copy"}) {
            RunSettings settings;
            settings.format = formatNamed(format);
            QCOMPARE(refusal(phoneClip(), settings, range), reason);
        }
        QCOMPARE(range.lengthWithin(phoneClip().streams.duration), seconds);
    }

    // FFmpeg's copy of the first picture from a start, as it printed it.
    void keyFrames_data()
    {
        QTest::addColumn<QString>("printed");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("keyFrame"); // -1: none found
        QTest::addColumn<QString>("said");
        QTest::newRow("H.264 in MP4") << "h264-mp4-at-1.3" << 1.3 << 1.2
                                      << "its picture begins at the key frame at 0:01.2, 0.1 s before 0:01.3";
        QTest::newRow("MPEG-2 in a VOB, late start") << "mpeg2-vob-at-1.3" << 1.3 << 1.3 - 8412 / 90000.0
                                                     << "at the key frame at 0:01.207, 0.093 s before 0:01.3";
        QTest::newRow("on a key frame") << "h264-mp4-at-1.2-on-key" << 1.2 << 1.2
                                        << "its picture begins at 0:01.2, on a key frame, its sound at 0:01.2";
        QTest::newRow("no such file") << "missing" << 1.3 << -1.0 << "begins at the key frame at or before 0:01.3";
    }
    void keyFrames()
    {
        QFETCH(QString, printed);
        QFETCH(double, start);
        QFETCH(double, keyFrame);
        QFETCH(QString, said);
        ConversionJob job = planned("copy", {start, kOpen});
        QVERIFY(job.beginsAtKeyFrame() && !planned("mp4-h264", {start, kOpen}).beginsAtKeyFrame());
        QCOMPARE(job.keyFrameCommand("/p").arguments().mid(4, 3), QStringList({"-nostats", "-map", "0:V:0"}));
        job.keyFrame = job.keyFrameIn(data("keyframes/" + printed + ".txt"));
        QVERIFY(std::abs(job.keyFrame.value_or(-1) - keyFrame) < 1e-6);
        QVERIFY2(job.added().constLast().contains(said), qPrintable(job.added().constLast()));
    }

    // A run of a range goes from 0 to 100% over the range, whatever the
    // source's Duration line or the cutter says.
    void progressCountsTheRange()
    {
        ProgressParser parser;
        parser.setCountedLength(120);
        parser.setRunLength(30);
        QVERIFY(!parser.receiveOutputs("  Duration: 00:01:40.00, start: 0.000000, bitrate: 2140 kb/s\n"));
        QCOMPARE(parser.receiveOutputs("frame=  1 time=00:00:15.00 bitrate=1k").value_or(-1), 50.0);
        parser.setRunLength(1.5);
        QCOMPARE(parser.receiveOutputs("frame=  2 time=00:00:01.00 bitrate=1k").value_or(-1), 100.0 / 1.5);
    }
};

QTEST_GUILESS_MAIN(tst_TimeRange)
#include "tst_TimeRange.moc"
