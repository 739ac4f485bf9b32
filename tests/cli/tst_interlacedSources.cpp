// Video filmed in fields, as DVDs, DVD recorders, camcorder tapes and 1080i
// television bring it, converted by tarnwick-cli with Debian's FFmpeg behind
// it: in every format FFmpeg's interlace detector finds whole frames, at the
// source's rate and length, and GStreamer plays the result to its end. The
// copy keeps the fields as they are. Telecined film comes back as its
// master's frames; a title that turns interlaced comes out whole frames.

#include "media/OutputFormats.h"
#include "support/Corpus.h"
#include "support/Shards.h"
#include "support/TestPaths.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// What FFmpeg's interlace detector makes of each frame of a file's picture,
// judging it with its neighbours.
struct Detection {
    int interlaced = 0; // either field first
    int progressive = 0;
    int undetermined = 0;
    int frames() const { return interlaced + progressive + undetermined; }
    QString text() const
    {
        return QStringLiteral("%1 of %2 interlaced, %3 progressive").arg(interlaced).arg(frames()).arg(progressive);
    }
};

Detection detectInterlace(const QString& file)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-hide_banner", "-i", file, "-map", "0:v:0", "-vf", "idet", "-f", "null", "-"}, &out);
    static const QRegularExpression multi(
        QStringLiteral("Multi frame detection: TFF: *(\\d+) BFF: *(\\d+) Progressive: *(\\d+) Undetermined: *(\\d+)"));
    Detection detection;
    if (const auto m = multi.match(out); m.hasMatch()) {
        detection.interlaced = m.captured(1).toInt() + m.captured(2).toInt();
        detection.progressive = m.captured(3).toInt();
        detection.undetermined = m.captured(4).toInt();
    }
    return detection;
}

// How a file's frames compare with a film master's, frame by frame: the
// lowest PSNR of a pair and the pairs compared. One frame repeated or left
// out puts every later frame beside another picture of the master.
struct Likeness {
    double lowest = 0;
    int frames = 0;
};

Likeness compareWithMaster(const QString& file, const QString& master)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-hide_banner", "-i", file, "-f", "lavfi", "-i", master, "-lavfi",
             "[0:v:0]setsar=1[a];[a][1:v]psnr=stats_file=-", "-f", "null", "-"},
            &out);
    // The statistics' lines can meet FFmpeg's messages on one line.
    static const QRegularExpression frame(QStringLiteral("\\bn:(\\d+) mse_avg:.*? psnr_avg:(\\S+)"));
    Likeness likeness{1000, 0};
    for (auto it = frame.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        likeness.frames = std::max(likeness.frames, m.captured(1).toInt());
        likeness.lowest = std::min(likeness.lowest, m.captured(2).toDouble());
    }
    return likeness;
}

struct Source {
    MediaInfo info;
    Detection detection;
};

bool isDiscTitle(const QString& name)
{
    return name.contains(QLatin1String("/VIDEO_TS/"));
}

// Made only to be joined into another source.
bool isPart(const QString& name)
{
    return name.startsWith(QLatin1String("parts/"));
}

} // namespace

class tst_interlacedSources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_corpus;
    QHash<QString, Source> m_sources; // by corpus name

    // Whether tarnwick-cli ran and succeeded; `said` is all it wrote.
    static bool runCli(const QStringList& arguments, QString* said)
    {
        QProcess cli;
        cli.setStandardInputFile(QProcess::nullDevice());
        cli.start(realProgramFolder() + "/tarnwick-cli", arguments);
        const bool ended = cli.waitForFinished(600000);
        *said = QString::fromUtf8(cli.readAllStandardOutput()) + QString::fromUtf8(cli.readAllStandardError());
        return ended && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        QString error;
        m_corpus = sharedCorpusFolder("interlaced");
        const QList<CorpusSource> corpus = interlacedCorpus();
        QVERIFY2(!sharedCorpus("interlaced", corpus, &error).isEmpty(), qPrintable(error));
        for (const CorpusSource& source : corpus) {
            if (isPart(source.name))
                continue;
            const QString path = m_corpus + u'/' + source.name;
            const Source made{mediaInfo(path), detectInterlace(path)};
            // Made as it should be: fields that differ, which the detector
            // sees (a title progressive at first, in most of its frames).
            const double interlaced = source.formats.isEmpty() || !source.master.isEmpty() ? 0.9 : 0.5;
            QVERIFY2(made.detection.interlaced >= interlaced * made.detection.frames() && made.detection.frames() > 0,
                     qPrintable(source.name + ": " + made.detection.text()));
            m_sources.insert(source.name, made);
        }
    }

    void everyFormat_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("master");
        Shard shard;
        for (const CorpusSource& source : interlacedCorpus()) {
            if (isPart(source.name))
                continue;
            // One disc title, read as Read DVD reads it, is enough.
            if (isDiscTitle(source.name)) {
                if (shard.takes())
                    QTest::addRow("%s to mp4-h264", qPrintable(source.name)) << source.name << "mp4-h264" << "";
                continue;
            }
            for (const OutputFormat& format : outputFormats()) {
                const bool taken = source.formats.isEmpty() || source.formats.contains(format.cliName);
                if (taken && shard.takes())
                    QTest::addRow("%s to %s", qPrintable(source.name), qPrintable(format.cliName))
                        << source.name << format.cliName << source.master;
            }
        }
    }
    void everyFormat()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(QString, master);
        const OutputFormat& record = *formatNamed(format);
        const QString path = m_corpus + u'/' + source;
        const QString out = m_dir.filePath("out/" + QFileInfo(source).completeBaseName() + "-" + format);
        QStringList arguments{"-f", format, "-o", out};
        if (isDiscTitle(source))
            arguments << "--disc" << path.section(QStringLiteral("/VIDEO_TS/"), 0, 0);
        else
            arguments << path;
        QString said;
        QVERIFY2(runCli(arguments, &said), qPrintable(said));
        static const QRegularExpression converted(QStringLiteral("^converted (.+) -> (.+)$"),
                                                  QRegularExpression::MultilineOption);
        const auto m = converted.match(said);
        QVERIFY2(m.hasMatch(), qPrintable(said));
        QCOMPARE(m.captured(1), path);
        const QString output = m.captured(2);

        const Source& in = m_sources[source];
        const MediaInfo result = mediaInfo(output);
        const Detection detection = detectInterlace(output);
        qInfo("%s: %s", qPrintable(QFileInfo(output).fileName()), qPrintable(detection.text()));
        if (record.copies)
            QVERIFY2(detection.interlaced >= 0.9 * detection.frames(), qPrintable("fields lost: " + detection.text()));
        else
            QVERIFY2(detection.progressive >= 0.9 * detection.frames(), qPrintable("combed: " + detection.text()));
        QVERIFY2(std::fabs(result.duration - in.info.duration) <= 0.05 * in.info.duration,
                 qPrintable(QString("lasts %1 s, the source %2 s").arg(result.duration).arg(in.info.duration)));
        if (!master.isEmpty()) {
            // Telecined film comes back as the film: each of its frames once.
            const Likeness likeness = compareWithMaster(output, master);
            qInfo("against the master: %d frames, the least alike at %.1f dB", likeness.frames, likeness.lowest);
            QCOMPARE(likeness.frames, detection.frames());
            QVERIFY2(likeness.lowest >= 40, qPrintable(QString("a frame at %1 dB").arg(likeness.lowest)));
        } else {
            // Frames over length: one frame for each of the source's.
            const double rate = detection.frames() / result.duration;
            const double sourceRate = in.detection.frames() / in.info.duration;
            QVERIFY2(std::fabs(rate / sourceRate - 1) <= 0.05,
                     qPrintable(QString("%1 frames a second, the source %2").arg(rate).arg(sourceRate)));
        }
        const QString played = gstreamerPlays(output);
        QVERIFY2(played.isEmpty(), qPrintable(played));
    }

    // The dry run says what is added and why; the copy adds nothing.
    void theDryRunSaysWhy_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("order");
        QTest::newRow("DVD") << "dvd-pal.vob" << "top field first";
        QTest::newRow("DVD recorder") << "recorder-ntsc.mpg" << "top field first";
        QTest::newRow("DV") << "camcorder-dv.avi" << "bottom field first, as DV is";
        QTest::newRow("1080i") << "tv-1080i.m2ts" << "top field first";
    }
    void theDryRunSaysWhy()
    {
        QFETCH(QString, source);
        QFETCH(QString, order);
        const QString path = m_corpus + u'/' + source;
        const QString out = m_dir.filePath("dry");
        QString said;
        QVERIFY2(runCli({"-n", "-f", "mov", "-r", "cw", "-o", out, path}, &said), qPrintable(said));
        QVERIFY2(said.contains("\n# added bwdif: the source is interlaced (" + order + ")\n"), qPrintable(said));
        QVERIFY2(said.contains(" -vb 5000k -vf \"bwdif=mode=send_frame:parity=auto:deint=interlaced,transpose=1\" \""),
                 qPrintable(said));
        QVERIFY2(runCli({"-n", "-f", "copy", "-o", out, path}, &said), qPrintable(said));
        QVERIFY2(!said.contains("bwdif"), qPrintable(said));
        QVERIFY(!QFileInfo::exists(out));
    }
};

QTEST_GUILESS_MAIN(tst_interlacedSources)
#include "tst_interlacedSources.moc"
