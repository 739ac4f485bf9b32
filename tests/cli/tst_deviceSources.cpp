// What people bring, converted to every format by tarnwick-cli with Debian's
// FFmpeg behind it; each result checked by ffprobe, by FFmpeg decoding it
// whole, and by GStreamer playing it to the end.

#include "media/OutputFormats.h"
#include "support/Corpus.h"
#include "support/Shards.h"
#include "support/TestPaths.h"

#include <QProcess>
#include <QSize>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

class tst_deviceSources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_sources;
    QHash<QString, MediaInfo> m_source;

private slots:
    void initTestCase()
    {
        QString error;
        m_sources = sharedDeviceCorpus(&error);
        QVERIFY2(!m_sources.isEmpty(), qPrintable(error));
        for (const QString& source : std::as_const(m_sources))
            m_source.insert(source, mediaInfo(source));
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
        for (const QString& format : someFormats()) {
            QTest::addRow("letterboxed to %s", qPrintable(format)) << "scope-letterboxed.mp4" << format << true
                                                                   << QSize(640, 268);
            QTest::addRow("pillarboxed to %s", qPrintable(format)) << "tv-pillarboxed.ts" << format << true
                                                                   << QSize(480, 360);
        }
        QTest::newRow("dark full frame") << "night-full-frame.mp4" << "mp4-h264" << true << QSize(640, 360);
        QTest::newRow("letterboxed, not asked") << "scope-letterboxed.mp4" << "mp4-h264" << false << QSize(640, 360);
    }
    void cropsTheBars()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(bool, crop);
        QFETCH(QSize, picture);
        const QString folder = sharedCorpusFolder("device");
        QStringList arguments{"-f", format, "-o", m_dir.filePath("bars-" + format), folder + u'/' + source};
        if (crop)
            arguments.prepend("--crop");
        QString said;
        QVERIFY2(runTool(realProgramFolder() + "/tarnwick-cli", arguments, &said, 600000), qPrintable(said));
        static const QRegularExpression converted(QStringLiteral("^converted .+ -> (.+)$"),
                                                  QRegularExpression::MultilineOption);
        const auto m = converted.match(said);
        QVERIFY2(m.hasMatch(), qPrintable(said));
        QString sides;
        runTool(QStringLiteral(TARNWICK_FFPROBE),
                {"-v", "error", "-select_streams", "v:0", "-show_entries", "stream=width,height", "-of", "csv=p=0",
                 m.captured(1)},
                &sides);
        QCOMPARE(sides.trimmed(), QString("%1,%2").arg(picture.width()).arg(picture.height()));
        const MediaInfo result = mediaInfo(m.captured(1));
        QVERIFY2(std::fabs(result.displayAspect * picture.height() / picture.width() - 1) <= 0.01,
                 qPrintable(QString("display aspect %1").arg(result.displayAspect)));
    }
};

QTEST_GUILESS_MAIN(tst_deviceSources)
#include "tst_deviceSources.moc"
