// Even loudness as tarnwick-cli's --loudness gives it, each codec once and
// the copy: every sound track measured after its codec (ebur128, true peaks
// on) at the target and at or under -1 dBTP; silence stays silent; the
// copy's picture is the source's, bit for bit.

#include "support/CliConvert.h"
#include "support/Corpus.h"
#include "support/Shards.h"
#include "support/TestPaths.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick::test;

namespace {

// Each audio track's integrated loudness and true peak, "I/TP" to a tenth.
QStringList measured(const QString& file)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFPROBE),
            {"-v", "error", "-select_streams", "a", "-show_entries", "stream=channels", "-of",
             "csv=p=0", file},
            &out);
    QStringList tracks;
    const QStringList channels = out.split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype n = 0; n < channels.size(); ++n) {
        // Six-channel AAC of FFmpeg's own decodes without a layout, which the meter refuses.
        const QString layout = QStringList{"mono", "stereo"}.value(channels[n].toInt() - 1, "5.1");
        runTool(QStringLiteral(TARNWICK_FFMPEG),
                {"-nostdin", "-hide_banner", "-nostats", "-i", file, "-filter_complex",
                 QStringLiteral("[0:a:%1]aformat=channel_layouts=%2,ebur128=peak=true")
                     .arg(n)
                     .arg(layout),
                 "-f", "null", "-"},
                &out);
        static const QRegularExpression summary(R"(I:\s+(\S+) LUFS[\s\S]*Peak:\s+(\S+))");
        const auto m = summary.match(out.mid(out.lastIndexOf("Summary:")));
        tracks << m.captured(1) + u'/' + m.captured(2);
    }
    return tracks;
}

QString pictureHash(const QString& file)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-v", "error", "-i", file, "-map", "0:v", "-c", "copy", "-f", "streamhash",
             "-"},
            &out);
    return out.trimmed();
}

} // namespace

class tst_loudnessSources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QString, QString> m_source; // by base name

private slots:
    void initTestCase()
    {
        QString error;
        const QStringList made = sharedCorpus("loudness", loudnessCorpus(), &error);
        QVERIFY2(!made.isEmpty(), qPrintable(error));
        for (const QString& path : made)
            m_source.insert(QFileInfo(path).completeBaseName(), path);
    }

    void everyTrackAtTheTarget_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("lufs"); // each track's, within the tolerance; -70: silence
        QTest::addColumn<double>("within");
        QTest::addColumn<int>("tracks");
        const QList<std::tuple<const char*, const char*, const char*, double, double, int>> rows{
            {"phone-quiet-speech", "stream", "mp4", -14, 0.5, 1}, // AAC, mono and limited
            {"advert-loud", "podcast", "avi", -16, 0.5, 1},       // MP3
            {"film-51-wide", "ebu", "wmv", -23, 0.5, 1},          // WMA, the 5.1 mix in stereo
            {"phone-quiet-speech", "-20", "mpg", -20, 0.5, 1},    // MP2
            {"film-51-wide", "stream", "webm-vp9", -14, 0.5,
             2},                                          // Opus, 5.1(side) remapped, each track
            {"film-51-wide", "-18", "copy", -18, 0.5, 2}, // both in AAC, the picture as it is
            {"ebu-3341-case1", "ebu", "mkv-h264", -23, 0.2, 1}, // the reference tone
            {"silence", "stream", "mp4-h265", -70, 0, 1},
            {"advert-loud", "-5", "mp4", -5, 0, 1}, // as loud as the ceiling lets it
        };
        Shard shard;
        for (const auto& [source, target, format, lufs, within, tracks] : rows) {
            if (shard.takes())
                QTest::addRow("%s to %s in %s", source, target, format)
                    << source << target << format << lufs << within << tracks;
        }
    }
    void everyTrackAtTheTarget()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, format);
        QFETCH(double, lufs);
        QFETCH(double, within);
        QFETCH(int, tracks);
        const QString folder =
            m_dir.filePath(QStringLiteral("%1-%2-%3").arg(source, target, format));
        const Converted c =
            convert({"-f", format, "--loudness", target, "-o", folder, m_source[source]});
        QVERIFY2(c.status == 0 && !c.output.isEmpty(), qPrintable(c.said));
        const QStringList levels = measured(c.output);
        QCOMPARE(levels.size(), tracks);
        for (const QString& track : levels) {
            const double loudness = track.section(u'/', 0, 0).toDouble();
            const QString peak = track.section(u'/', 1);
            const QString said = track + QStringLiteral(" for ") + target + u'\n' + c.said;
            if (lufs <= -70) {
                QVERIFY2(loudness <= -70 && peak == "-inf", qPrintable(said));
                continue;
            }
            QVERIFY2(peak.toDouble() <= -1.0, qPrintable(said));
            if (within > 0)
                QVERIFY2(std::abs(loudness - lufs) <= within, qPrintable(said));
            else // the limiter stops short of squaring the waves
                QVERIFY2(loudness < lufs, qPrintable(said));
        }
        if (format == "copy")
            QCOMPARE(pictureHash(c.output), pictureHash(m_source[source]));
    }
};

QTEST_GUILESS_MAIN(tst_loudnessSources)
#include "tst_loudnessSources.moc"
