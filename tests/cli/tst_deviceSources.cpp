// What people bring, converted to every format by tarnwick-cli with Debian's
// FFmpeg behind it; each result checked by ffprobe, by FFmpeg decoding it
// whole, and by GStreamer playing it to the end. Black bars cropped on
// request; sound brought to an even loudness, measured after its codec.

#include "media/OutputFormats.h"
#include "support/CliConvert.h"
#include "support/Corpus.h"
#include "support/Media.h"
#include "support/Shards.h"
#include "support/TestPaths.h"

#include <QProcess>
#include <QSize>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
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

} // namespace

class tst_deviceSources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_sources;
    QHash<QString, MediaInfo> m_source;
    QHash<QString, QString> m_loud; // the loudness set, by base name

private slots:
    void initTestCase()
    {
        QString error;
        m_sources = sharedDeviceCorpus(&error);
        QVERIFY2(!m_sources.isEmpty(), qPrintable(error));
        for (const QString& source : std::as_const(m_sources))
            m_source.insert(source, mediaInfo(source));
        const QStringList loud = sharedCorpus("loudness", loudnessCorpus(), &error);
        QVERIFY2(!loud.isEmpty(), qPrintable(error));
        for (const QString& path : loud)
            m_loud.insert(QFileInfo(path).completeBaseName(), path);
    }

    void everySourceToFormat_data()
    {
        QTest::addColumn<QString>("format");
        Shard shard;
        for (const OutputFormat& format : outputFormats()) {
            if (shard.takes())
                QTest::newRow(qPrintable(format.cliName)) << format.cliName;
        }
    }

    // FFmpeg's names for what each encoder writes.
    static QString written(const QString& encoder)
    {
        static const QHash<QString, QString> names{{"libx264", "h264"},      {"libx265", "hevc"},
                                                   {"libsvtav1", "av1"},     {"libvpx-vp9", "vp9"},
                                                   {"msmpeg4", "msmpeg4v3"}, {"mpeg4", "mpeg4"},
                                                   {"mpeg1video", "mpeg1video"}};
        return names.value(encoder);
    }
    void everySourceToFormat()
    {
        QFETCH(QString, format);
        const OutputFormat& record = *formatNamed(format);
        const QString out = m_dir.filePath("out-" + format);
        QProcess cli;
        cli.setStandardInputFile(QProcess::nullDevice());
        cli.start(realProgramFolder() + "/tarnwick-cli", QStringList{"-f", format, "-o", out} + m_sources);
        QVERIFY(cli.waitForFinished(600000));
        const QString said = QString::fromUtf8(cli.readAllStandardOutput());
        QVERIFY2(cli.exitCode() == 0, qPrintable(said + cli.readAllStandardError()));

        static const QRegularExpression converted(QStringLiteral("^converted (.+) -> (.+)$"),
                                                  QRegularExpression::MultilineOption);
        QStringList faults;
        int outputs = 0;
        for (auto it = converted.globalMatch(said); it.hasNext();) {
            const auto m = it.next();
            const MediaInfo& in = m_source[m.captured(1)];
            const QString output = m.captured(2);
            const MediaInfo result = mediaInfo(output);
            const auto fault = [&](const QString& what) { faults << QFileInfo(output).fileName() + ": " + what; };
            ++outputs;
            if (const QString error = decodeErrors(output); !error.isEmpty())
                fault("FFmpeg decodes it with an error: " + error);
            if (std::fabs(result.duration - in.duration) > 0.05 * in.duration)
                fault(QString("lasts %1 s, the source %2 s").arg(result.duration).arg(in.duration));
            if (in.audioStreams > 0 && result.audioStreams == 0)
                fault("the sound is lost");
            if (result.portrait != in.portrait)
                fault("turned: portrait and landscape swapped");
            if (std::fabs(result.displayAspect / in.displayAspect - 1) > 0.01)
                fault(QString("display aspect %1, the source's %2").arg(result.displayAspect).arg(in.displayAspect));
            if (!record.copies && result.videoCodec != written(record.videoCodec))
                fault("video in " + result.videoCodec);
            if (!record.accepts.pixelFormats.isEmpty() && !record.accepts.pixelFormats.contains(result.pixelFormat))
                fault("players of the format refuse " + result.pixelFormat);
            if (!record.copies && result.videoCodec == "h264" &&
                !QStringList{"Constrained Baseline", "Baseline", "Main", "High"}.contains(result.profile))
                fault("H.264 players refuse " + result.profile);
            if (const QString played = gstreamerPlays(output); !played.isEmpty())
                fault("GStreamer: " + played);
        }
        QCOMPARE(outputs, m_sources.size());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Black bars cropped when asked: the picture inside them at its own
    // display aspect; a dark picture filling its frame, and anything
    // without --crop, keep the whole frame.
    void cropsTheBars_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("crop");
        QTest::addColumn<QSize>("picture");
        QList<std::tuple<QString, QString, QString, bool, QSize>> rows;
        for (const QString& format : someFormats()) {
            rows.append({"letterboxed to " + format, "scope-letterboxed.mp4", format, true, QSize(640, 268)});
            rows.append({"pillarboxed to " + format, "tv-pillarboxed.ts", format, true, QSize(480, 360)});
        }
        rows.append({"dark full frame", "night-full-frame.mp4", "mp4-h264", true, QSize(640, 360)});
        rows.append({"letterboxed, not asked", "scope-letterboxed.mp4", "mp4-h264", false, QSize(640, 360)});
        Shard shard;
        for (const auto& [name, source, format, crop, picture] : rows) {
            if (shard.takes())
                QTest::newRow(qPrintable(name)) << source << format << crop << picture;
        }
    }
    void cropsTheBars()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(bool, crop);
        QFETCH(QSize, picture);
        QStringList arguments{"-f", format, "-o", m_dir.filePath("bars-" + format),
                              sharedCorpusFolder("device") + u'/' + source};
        if (crop)
            arguments.prepend("--crop");
        const Converted c = convert(arguments);
        QVERIFY2(c.status == 0 && !c.output.isEmpty(), qPrintable(c.said));
        const Probe made = ffprobe(c.output);
        QCOMPARE(QSize(made.width, made.height), picture);
        const MediaInfo result = mediaInfo(c.output);
        QVERIFY2(std::fabs(result.displayAspect * picture.height() / picture.width() - 1) <= 0.01,
                 qPrintable(QString("display aspect %1").arg(result.displayAspect)));
    }

    void evenLoudness_data()
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
    void evenLoudness()
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
            convert({"-f", format, "--loudness", target, "-o", folder, m_loud[source]});
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
            QCOMPARE(streamHashes(c.output, {"0:v"}), streamHashes(m_loud[source], {"0:v"}));
    }
};

QTEST_GUILESS_MAIN(tst_deviceSources)
#include "tst_deviceSources.moc"
