// A time range as people type it, what it adds to the encoder's command,
// when a source refuses it, where a copy of it begins (read from FFmpeg's
// real output) and how far a run of it has got.
#include "engine/Progress.h"
#include "job/ConversionJob.h"
#include "job/TimeRange.h"

#include <QFile>
#include <QTest>

using namespace tarnwick;

namespace {

QString data(const QString& path)
{
    QFile file(QStringLiteral(TARNWICK_TEST_DATA "/") + path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

// A three-second H.264 clip with AAC sound, as FFmpeg describes it.
ProbeResult phoneClip()
{
    ProbeResult probed;
    probed.ran = true;
    probed.streams = scanDescription(data("descriptions/h264-420.txt"));
    return probed;
}

RunSettings settingsFor(const QString& format)
{
    RunSettings settings;
    settings.outputFolder = "/out/";
    settings.internalIndex = formatNamed(format)->internalIndex;
    return settings;
}

TimeRange range(std::optional<double> start, std::optional<double> end)
{
    return TimeRange{start, end};
}

} // namespace

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(tarnwick::TimeRange)

class tst_TimeRange : public QObject
{
    Q_OBJECT

private slots:
    void typedTimes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<double>>("seconds");
        const std::optional<double> none;
        QTest::newRow("seconds") << "90" << std::optional(90.0);
        QTest::newRow("fraction") << "90.25" << std::optional(90.25);
        QTest::newRow("m:ss") << "1:30" << std::optional(90.0);
        QTest::newRow("mm:ss") << "01:30" << std::optional(90.0);
        QTest::newRow("h:mm:ss.f") << "1:02:03.5" << std::optional(3723.5);
        QTest::newRow("minutes past an hour") << "100:00" << std::optional(6000.0);
        QTest::newRow("blanks around") << " 0:05 " << std::optional(5.0);
        QTest::newRow("zero") << "0" << std::optional(0.0);
        QTest::newRow("to the millisecond") << "1.23456" << std::optional(1.235);
        QTest::newRow("empty") << "" << none;
        QTest::newRow("60 seconds after a colon") << "1:60" << none;
        QTest::newRow("60 minutes after a colon") << "1:60:00" << none;
        QTest::newRow("four pieces") << "1:00:00:00" << none;
        QTest::newRow("negative") << "-5" << none;
        QTest::newRow("two dots") << "1.2.3" << none;
        QTest::newRow("fraction before a colon") << "1.5:30" << none;
        QTest::newRow("empty piece") << "1::30" << none;
        QTest::newRow("decimal comma") << "1,5" << none;
        QTest::newRow("no digit before the dot") << ".5" << none;
        QTest::newRow("no digit after the dot") << "5." << none;
        QTest::newRow("exponent") << "1e3" << none;
        QTest::newRow("Arabic-Indic digits") << "\u0665" << none;
        QTest::newRow("ten digits") << "1234567890" << none;
        QTest::newRow("words") << "1 min" << none;
    }
    void typedTimes()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<double>, seconds);
        QCOMPARE(parseTime(typed), seconds);
    }

    // What the faces show reads back as the same time.
    void shownTimes_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("argument");
        QTest::newRow("whole minutes") << 90.0 << "1:30"
                                       << "90";
        QTest::newRow("fraction") << 1.5 << "0:01.5"
                                  << "1.5";
        QTest::newRow("hours") << 3723.5 << "1:02:03.5"
                               << "3723.5";
        QTest::newRow("zero") << 0.0 << "0:00"
                              << "0";
        QTest::newRow("milliseconds") << 59.999 << "0:59.999"
                                      << "59.999";
        QTest::newRow("an hour") << 3600.0 << "1:00:00"
                                 << "3600";
        QTest::newRow("a difference's float noise") << 2.8 - 1.3 << "0:01.5"
                                                    << "1.5";
    }
    void shownTimes()
    {
        QFETCH(double, seconds);
        QFETCH(QString, shown);
        QFETCH(QString, argument);
        QCOMPARE(timeText(seconds), shown);
        QCOMPARE(secondsArgument(seconds), argument);
        QCOMPARE(parseTime(shown).value_or(-1), std::round(seconds * 1000) / 1000);
    }

    void typedRanges()
    {
        QCOMPARE(parseRange("1:30", "2:00").range, range(90, 120));
        QCOMPARE(parseRange("", " 2:00 ").range, range({}, 120));
        QCOMPARE(parseRange("90", "").range, range(90, {}));
        QVERIFY(!parseRange("", "").range.isSet());
        QVERIFY(parseRange("", "").error.isEmpty());
        QVERIFY(parseRange("1:75", "").error.contains("\"1:75\""));
        QVERIFY(parseRange("", "x").error.contains("\"x\""));
        QCOMPARE(parseRange("2:00", "1:30").error, QString("The end must come after the start."));
        QCOMPARE(parseRange("", "0").error, QString("The end must come after the start."));
        QCOMPARE(rangeText(range(90, 120)), QString("1:30 to 2:00"));
        QCOMPARE(rangeText(range(90, {})), QString("from 1:30"));
        QCOMPARE(rangeText(range({}, 120)), QString("up to 2:00"));
    }

    // The range's options stand beside the input; without one the command
    // is the one every conversion has.
    void commands_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<TimeRange>("range");
        QTest::addColumn<QString>("text");
        const QString out = " \"/out/a_1.mp4\"";
        QTest::newRow("none") << "mp4-h264" << TimeRange{}
                              << "-i \"/in/a.mp4\" -vcodec h264 -vb 5000k " + out;
        QTest::newRow("both") << "mp4-h264" << range(90, 120)
                              << "-ss 90 -i \"/in/a.mp4\" -t 30 -vcodec h264 -vb 5000k " + out;
        QTest::newRow("start") << "mp4-h264" << range(1.25, {})
                               << "-ss 1.25 -i \"/in/a.mp4\" -vcodec h264 -vb 5000k " + out;
        QTest::newRow("end") << "mpg" << range({}, 2.5)
                             << "-i \"/in/a.mp4\" -t 2.5 -vcodec mpeg1video -vb 1500k " + out;
        QTest::newRow("copy from a start")
            << "copy" << range(1.3, 2.8)
            << "-ss 1.3 -i \"/in/a.mp4\" -t 1.5 -avoid_negative_ts make_zero -copypriorss:a 0 -c "
               "copy  -map 0:0 -map 0:1" +
                   out;
        QTest::newRow("copy to an end")
            << "copy" << range({}, 2) << "-i \"/in/a.mp4\" -t 2 -c copy  -map 0:0 -map 0:1" + out;
    }
    void commands()
    {
        QFETCH(QString, format);
        QFETCH(TimeRange, range);
        QFETCH(QString, text);
        ConversionJob job = planJob("/in/a.mp4", phoneClip(), settingsFor(format), range);
        job.output = "/out/a_1.mp4";
        const ConsoleCommand command = job.command("/p");
        QCOMPARE(command.text().section(" ", 1), text);
        QCOMPARE(command.arguments(), ConsoleCommand::splitText(command.text()).mid(1));
        // Said in the log and the dry run, options and all.
        const QString why = job.added().value(job.added().size() - 1);
        QCOMPARE(range.isSet(),
                 why.startsWith((job.seekArguments() + job.cutArguments()).join(u' ') +
                                ": the time range"));
    }

    // A range that leaves nothing of the source fails that file; an end
    // past its end is its end.
    void refusals_data()
    {
        QTest::addColumn<TimeRange>("range");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<double>("seconds");
        QTest::newRow("within") << range(1, 2) << "" << 1.0;
        QTest::newRow("end past the end") << range(1, 60) << "" << 2.0;
        QTest::newRow("start only") << range(2.5, {}) << "" << 0.5;
        QTest::newRow("start at the end")
            << range(3, {}) << "the time range starts at 0:03, but the video is only 0:03 long"
            << 0.0;
        QTest::newRow("start past the end")
            << range(5, 6) << "the time range starts at 0:05, but the video is only 0:03 long"
            << 0.0;
        QTest::newRow("end before start")
            << range(2, 1) << "the time range ends at 0:01, which is not after its start at 0:02"
            << 0.0;
    }
    void refusals()
    {
        QFETCH(TimeRange, range);
        QFETCH(QString, reason);
        QFETCH(double, seconds);
        for (const char* format : {"mp4-h264", "copy"})
            QCOMPARE(refusal(phoneClip(), settingsFor(format), range), reason);
        QCOMPARE(range.lengthWithin(phoneClip().streams.duration), seconds);
        // A source whose length is not known is tried.
        QVERIFY(range.problemWithin(0).isEmpty() || reason.contains("not after"));
    }

    // FFmpeg's copy of the first picture from a start, as it printed it.
    void keyFrames_data()
    {
        QTest::addColumn<QString>("printed");
        QTest::addColumn<double>("start");
        QTest::addColumn<std::optional<double>>("keyFrame");
        QTest::addColumn<QString>("said");
        QTest::newRow("H.264 in MP4")
            << "h264-mp4-at-1.3" << 1.3 << std::optional(1.2)
            << "its picture begins at the key frame at 0:01.2, 0.1 s before 0:01.3";
        QTest::newRow("MPEG-2 in a VOB, late start")
            << "mpeg2-vob-at-1.3" << 1.3 << std::optional(1.3 - 8412 / 90000.0)
            << "at the key frame at 0:01.207, 0.093 s before 0:01.3";
        QTest::newRow("on a key frame")
            << "h264-mp4-at-1.2-on-key" << 1.2 << std::optional(1.2)
            << "its picture begins at 0:01.2, on a key frame, its sound at 0:01.2";
        QTest::newRow("no such file") << "missing" << 1.3 << std::optional<double>()
                                      << "begins at the key frame at or before 0:01.3";
    }
    void keyFrames()
    {
        QFETCH(QString, printed);
        QFETCH(double, start);
        QFETCH(std::optional<double>, keyFrame);
        QFETCH(QString, said);
        ConversionJob job =
            planJob("/in/a.mp4", phoneClip(), settingsFor("copy"), range(start, {}));
        QVERIFY(job.beginsAtKeyFrame());
        QCOMPARE(job.keyFrameCommand("/p").arguments(),
                 QStringList({"-ss", secondsArgument(start), "-i", "/in/a.mp4", "-nostats", "-map",
                              "0:V:0", "-c", "copy", "-frames:v", "1", "-f", "framecrc", "-"}));
        job.keyFrame = job.keyFrameIn(data("keyframes/" + printed + ".txt"));
        QCOMPARE(job.keyFrame.has_value(), keyFrame.has_value());
        if (keyFrame)
            QVERIFY(std::abs(*job.keyFrame - *keyFrame) < 1e-6);
        QVERIFY2(job.added().constLast().contains(said), qPrintable(job.added().constLast()));
        QVERIFY(!planJob("/in/a.mp4", phoneClip(), settingsFor("mp4-h264"), range(start, {}))
                     .beginsAtKeyFrame());
    }

    // A run of a range goes from 0 to 100% over the range, whatever the
    // source's Duration line or the cutter says.
    void progressCountsTheRange()
    {
        ProgressParser parser;
        parser.setCutter(1, 120);
        parser.setRunLength(30);
        QVERIFY(!parser.receiveOutputs(
            "  Duration: 00:01:40.00, start: 0.000000, bitrate: 2140 kb/s\n"));
        QCOMPARE(parser.receiveOutputs("frame=  1 time=00:00:15.00 bitrate=1k").value_or(-1), 50.0);
        QCOMPARE(parser.receiveOutputs("frame=  2 time=00:00:31.00 bitrate=1k").value_or(-1),
                 100.0);
        parser.setRunLength(1.5);
        QCOMPARE(parser.receiveOutputs("frame=  2 time=00:00:01.00 bitrate=1k").value_or(-1),
                 100.0 / 1.5);
    }
};

QTEST_GUILESS_MAIN(tst_TimeRange)
#include "tst_TimeRange.moc"
