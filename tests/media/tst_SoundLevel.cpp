#include "media/SoundLevel.h"

#include <QFile>
#include <QTest>

using namespace tarnwick;

namespace {
QString recorded(const QString& name)
{
    QFile file(QStringLiteral(TARNWICK_TEST_DATA "/loudness/") + name + QStringLiteral(".txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
// A reading as "I/LRA/TP", or "error" when it has none and says why.
QString shown(const LoudnessReading& r)
{
    if (!r.loudness)
        return r.error.isEmpty() ? "no reason" : "error";
    return QStringLiteral("%1/%2/%3").arg(r.loudness->integrated).arg(r.loudness->range).arg(r.loudness->truePeak);
}
const SoundTrack kStereo{0, QStringLiteral("stereo"), 48000};
} // namespace

class tst_SoundLevel : public QObject
{
    Q_OBJECT

private slots:
    // As typed, and as Tarnwick.conf keeps it; a bad text names the choices.
    void targets()
    {
        for (const auto& [text, setting] : QList<std::pair<const char*, const char*>>{
                 {"ebu", "-23"}, {" Stream ", "-14"}, {"PODCAST", "-16"}, {"off", "off"}, {"-18.5", "-18.5"},
                 {"-14 LUFS", "-14"}, {"-40", "-40"}, {"-5", "-5"}}) {
            const ParsedLoudness parsed = parseLoudness(text);
            QCOMPARE(parsed.target.settingText(), setting);
            QCOMPARE(parseLoudness(parsed.target.settingText()).target, parsed.target);
        }
        for (const char* text : {"", "loud", "-40.1", "-4", "14", "nan", "-14dB"})
            QVERIFY(parseLoudness(text).error.contains("ebu") && parseLoudness(text).error.contains("-40 to -5"));
    }

    // Real runs of FFmpeg 5.1's meter: each prints an empty summary while
    // FFmpeg only sizes up the graph, and the rest in no set order.
    void readings_data()
    {
        QTest::addColumn<QString>("printed");
        QTest::addColumn<int>("trials"); // the last chains, metered without peaks
        QTest::addColumn<QStringList>("expected");
        const QString tracks = recorded("two-tracks");
        QTest::newRow("two tracks over a range") << tracks << 0 << QStringList{"-41.9/0.7/-23.5", "-8/0.2/-0.1"};
        QTest::newRow("film and two trials") << recorded("film-trials") << 2
                                             << QStringList{"-20.8/14/-7.2", "-13.6/13.2/nan", "-12.4/10.3/nan"};
        const QString sizing = tracks.left(tracks.indexOf("Stream mapping")); // the meters' empty summaries
        QTest::newRow("digital silence") << sizing + "Stream mapping:\n" + sizing.mid(sizing.indexOf("[ebur128@m0")) << 0
                                         << QStringList{"-70/0/-inf"};
        QTest::newRow("cut short after a summary")
            << tracks.left(tracks.lastIndexOf("[ebur128@m0")) << 0 << QStringList{"error", "-8/0.2/-0.1"};
        QTest::newRow("only the first graph's") << sizing << 0 << QStringList{"error", "error"};
        QTest::newRow("failed after a progress line") << tracks + "\rConversion failed!\r\n" << 0
                                                      << QStringList{"error", "error"};
        QTest::newRow("a number unread")
            << QString(tracks).replace("-41.9 LUFS", "x LUFS") << 0 << QStringList{"error", "-8/0.2/-0.1"};
    }
    void readings()
    {
        QFETCH(QString, printed);
        QFETCH(int, trials);
        QFETCH(QStringList, expected);
        QStringList read;
        QList<MeteredChain> chains(expected.size());
        for (qsizetype n = chains.size() - trials; n < chains.size(); ++n)
            chains[n].peaks = false;
        for (const LoudnessReading& reading : readMeasurement(printed, chains))
            read << shown(reading);
        QCOMPARE(read, expected);
        QVERIFY(!readMeasurement(printed, chains, false).first().loudness); // a run that failed
    }

    // A track, its measurement (I, LRA, TP), the target and the codec:
    // the filters and the reason line, "|" between them.
    void plans_data()
    {
        QTest::addColumn<SoundTrack>("track");
        QTest::addColumn<Loudness>("measured");
        QTest::addColumn<double>("target");
        QTest::addColumn<QString>("encoder");
        QTest::addColumn<QString>("expected");
        const SoundTrack mono{0, "mono", 44100};
        const QString limit = ",alimiter=limit=%1:level=false:latency=1,aresample=%2"; // a pass; two are made
        QTest::newRow("speech to EBU") << mono << Loudness{-41.8, 0.8, -23.1} << -23.0 << "wmav2"
            << "aformat=channel_layouts=mono,volume=+18.8dB|volume=+18.8dB: the sound measured -41.8 LUFS, peaks -23.1 dBTP";
        QTest::newRow("speech to stream, limited") << mono << Loudness{-41.8, 0.8, -23.1} << -14.0 << "aac"
            << "aformat=channel_layouts=mono,volume=+27.8dB" + (",aresample=176400" + limit.arg("0.6683", "44100")).repeated(2) +
                   "|volume=+27.8dB with a -1 dBTP limit: the sound measured -41.8 LUFS, peaks -23.1 dBTP";
        QTest::newRow("96 kHz limited at 2x") << SoundTrack{1, "5.1(side)", 96000} << Loudness{-30, 12, -3} << -23.0 << "ac3"
            << "aformat=channel_layouts=5.1(side),volume=+7.0dB" + (",aresample=192000" + limit.arg("0.8414", "96000")).repeated(2) +
                   "|volume=+7.0dB with a -1 dBTP limit: the sound measured -30.0 LUFS, peaks -3.0 dBTP";
        QTest::newRow("advert to -5: as loud as limited sound goes") << kStereo << Loudness{-7.7, 0.3, 0.4} << -5.0 << "aac"
            << "aformat=channel_layouts=stereo,volume=-2.3dB" + (",aresample=192000" + limit.arg("0.6683", "48000")).repeated(2) +
                   "|volume=-2.3dB with a -1 dBTP limit: the sound measured -7.7 LUFS, peaks 0.4 dBTP; about -10.0 LUFS, "
                   "as loud as it goes under the limit";
        QTest::newRow("silence stays") << kStereo << Loudness{-70, 0, -INFINITY} << -14.0 << "aac"
            << "|no volume change: the sound measured -70.0 LUFS, peaks -inf dBTP, silence";
    }
    void plans()
    {
        QFETCH(SoundTrack, track);
        QFETCH(Loudness, measured);
        QFETCH(double, target);
        QFETCH(QString, encoder);
        const LevelPlan plan = planLevel(track, measured, target, soundCodec(encoder));
        QTEST(plan.filters() + u'|' + plan.reason(), "expected");
        QCOMPARE(plan.trials().size(), plan.limited ? 2 : 0);
    }

    // The film's trials above, +8 dB and +11 dB, settle its gain; the
    // options of a format keeping one track or all.
    void trialsAndArguments()
    {
        LevelPlan plan = planLevel(SoundTrack{0, "5.1(side)", 48000}, {-20.8, 14, -7.2}, -14, soundCodec("aac"));
        plan.gain = 8;
        QCOMPARE(plan.trials().at(1).filters, "volume=+11.0dB,alimiter=limit=0.6683:level=false:latency=1");
        QCOMPARE(settleLevel(plan, -13.6, -12.4).gain, 7.0);
        QCOMPARE(settleLevel(plan, -14.5, -14.4).gain, 10.0); // a limiter taking nearly all of a step
        // Speech to -14 in mono AAC: the limiter may take up to 10 dB of its loudness, at a rate that holds the peaks.
        const LevelPlan speech = planLevel(SoundTrack{0, "mono", 44100}, {-41.8, 0.8, -23.1}, -14, soundCodec("aac"));
        QCOMPARE(qRound(settleLevel(speech, -16.7, -15.8).gain * 10), 368);
        QVERIFY(!settleLevel(speech, -16.7, -15.8).reaches);
        QCOMPARE(qRound(*settleLevel(speech, -19.7, -18.8).reaches * 10), -179); // 5.7 dB taken at +27.8 dB: 6.1 more
        QCOMPARE(levelArguments({speech}, false).mid(2), QStringList({"-b:a", "128k"}));
        const LevelPlan quiet = planLevel(kStereo, {-30, 3, -20}, -23, soundCodec("aac"));
        const LevelPlan silent = planLevel(kStereo, {-70, 0, -INFINITY}, -23, soundCodec("aac"));
        QCOMPARE(levelArguments({quiet, silent}, false).join(u'|'), "-af|aformat=channel_layouts=stereo,volume=+7.0dB");
        QCOMPARE(levelArguments({silent, quiet}, true, usualSoundCodec("matroska")).join(u'|'),
                 "-c:a|aac|-filter:a:1|aformat=channel_layouts=stereo,volume=+7.0dB");
    }
};

QTEST_GUILESS_MAIN(tst_SoundLevel)
#include "tst_SoundLevel.moc"
