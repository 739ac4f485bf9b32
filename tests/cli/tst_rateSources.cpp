// Rating by size and by quality as a user gets it from tarnwick-cli, from
// sources made the way phones, camcorders, screen recorders and action
// cameras make them: every format that encodes meets each size (the whole
// file at most the target and at least 90% of it) and GStreamer plays the
// file; a size too small is refused with the smallest that works, which
// then works; each format's default quality keeps the picture (FFmpeg's
// SSIM against the source) and a quality two levels lower makes a smaller
// file that is less alike.

#include "job/RateControl.h"
#include "media/OutputFormats.h"
#include "support/Media.h"
#include "support/CliConvert.h"
#include "support/Corpus.h"
#include "support/Shards.h"
#include "support/TestPaths.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// FFmpeg's SSIM of a file's pictures against the source's, frame by frame.
double ssim(const QString& file, const QString& source)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-i", file, "-i", source, "-lavfi",
             "[0:v]settb=1/1000,setpts=N[a];[1:v]settb=1/1000,setpts=N[b];[a][b]ssim", "-f", "null", "-"},
            &out);
    return QRegularExpression(QStringLiteral("All:([0-9.]+)")).match(out).captured(1).toDouble();
}

// Three sizes for each source: a picture of about 0.14, 0.3 and 0.6 bits
// a pixel, beside the sound, over its three seconds.
const QList<std::pair<QString, QStringList>>& targets()
{
    static const QList<std::pair<QString, QStringList>> sizes{
        {"phone-hevc10", {"169K", "307K", "565K"}},
        {"camcorder-mpeg2-51", {"180K", "330K", "600K"}},
        {"screen-vfr", {"160K", "250K", "420K"}}, // 65 frames in three seconds
        {"action-60fps", {"290K", "560K", "1080K"}},
    };
    return sizes;
}

QStringList encodingFormats()
{
    QStringList names;
    for (const OutputFormat& format : outputFormats()) {
        if (!format.copies)
            names << format.cliName;
    }
    return names;
}

} // namespace

class tst_rateSources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QString, QString> m_source; // by base name

private slots:
    void initTestCase()
    {
        QString error;
        const QStringList made = sharedCorpus("rate", rateCorpus(), &error);
        QVERIFY2(!made.isEmpty(), qPrintable(error));
        for (const QString& path : made)
            m_source.insert(QFileInfo(path).completeBaseName(), path);
        QCOMPARE(mediaInfo(m_source["phone-hevc10"]).pixelFormat, QString("yuv420p10le"));
    }

    void everyFormatMeetsTheSize_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("format");
        Shard shard;
        QTest::addColumn<int>("lines"); // the picture's, made smaller for the size; 0: its own
        for (const auto& [source, sizes] : targets()) {
            for (const QString& size : sizes) {
                for (const QString& format : encodingFormats()) {
                    if (shard.takes())
                        QTest::addRow("%s at %s to %s", qPrintable(source), qPrintable(size), qPrintable(format))
                            << source << size << format << 0;
                }
            }
        }
        // Too little for the picture at its own size: a smaller one, not a refusal.
        for (const char* format : {"mp4", "wmv"}) {
            if (shard.takes())
                QTest::addRow("phone-noisy-720p at 5M to %s", format) << "phone-noisy-720p" << "5M" << format << 540;
        }
        if (shard.takes())
            QTest::newRow("camera-1080p-minute for discord") << "camera-1080p-minute" << "10M" << "discord" << 720;
    }
    void everyFormatMeetsTheSize()
    {
        QFETCH(QString, source);
        QFETCH(QString, size);
        QFETCH(QString, format);
        QFETCH(int, lines);
        const QString folder = m_dir.filePath(QStringLiteral("size-%1-%2-%3").arg(source, size, format));
        const QStringList rated = formatNamed(format) ? QStringList{"-f", format, "--size", size} : QStringList{"--for", format};
        const Converted c = convert(rated + QStringList{"-o", folder, m_source[source]});
        QVERIFY2(c.status == 0 && !c.output.isEmpty(), qPrintable(c.said));
        const double target = double(parseSize(size).value_or(0));
        if (lines > 0) {
            const Probe made = ffprobe(c.output);
            QCOMPARE(qMin(made.width, made.height), lines);
        }
        const qint64 made = QFileInfo(c.output).size();
        QVERIFY2(made <= target && made >= 0.9 * target,
                 qPrintable(QString("%1 bytes for a target of %2").arg(made).arg(target)));
        const QString played = gstreamerPlays(c.output);
        QVERIFY2(played.isEmpty(), qPrintable(played));
    }

    // Too small a size is refused before anything is written, naming the
    // smallest that works; that one works.
    void tooSmallNamesTheSmallest_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        Shard shard;
        for (const auto& [source, sizes] : targets()) {
            for (const char* format : {"mpg", "webm-vp9"}) {
                if (shard.takes())
                    QTest::addRow("%s to %s", qPrintable(source), format) << source << format;
            }
        }
    }
    void tooSmallNamesTheSmallest()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        const QString folder = m_dir.filePath(QStringLiteral("small-%1-%2").arg(source, format));
        const Converted refused = convert({"-f", format, "--size", "20K", "-o", folder, m_source[source]});
        QCOMPARE(refused.status, 1);
        QVERIFY(QDir(folder).isEmpty());
        const QRegularExpressionMatch smallest =
            QRegularExpression("smallest size that works is ([0-9.]+) (KB|MB)").match(refused.said);
        QVERIFY2(smallest.hasMatch(), qPrintable(refused.said));
        const QString size = smallest.captured(1) + smallest.captured(2).left(1);
        const Converted c = convert({"-f", format, "--size", size, "-o", folder, m_source[source]});
        QVERIFY2(c.status == 0 && !c.output.isEmpty(), qPrintable(c.said));
        QVERIFY(QFileInfo(c.output).size() <= smallest.captured(1).toDouble() * (smallest.captured(2) == "KB" ? 1e3 : 1e6));
    }

    void qualityKeepsThePicture_data()
    {
        QTest::addColumn<QString>("format");
        Shard shard;
        for (const QString& format : encodingFormats()) {
            if (shard.takes())
                QTest::newRow(qPrintable(format)) << format;
        }
    }
    void qualityKeepsThePicture()
    {
        QFETCH(QString, format);
        const QualityScale& scale = formatNamed(format)->quality;
        const QString source = m_source["phone-hevc10"];
        QList<std::pair<qint64, double>> made; // size and SSIM, the better quality first
        for (const int quality : {scale.byDefault, scale.better(scale.byDefault, -2)}) {
            const QString folder = m_dir.filePath(QStringLiteral("quality-%1-%2").arg(format).arg(quality));
            const Converted c = convert({"-f", format, "-q", QString::number(quality), "-o", folder, source});
            QVERIFY2(c.status == 0 && !c.output.isEmpty(), qPrintable(c.said));
            made.append({QFileInfo(c.output).size(), ssim(c.output, source)});
        }
        QVERIFY2(made[0].second >= 0.95, qPrintable(QString("SSIM %1 at the default").arg(made[0].second)));
        QVERIFY2(made[0].first >= made[1].first && made[0].second >= made[1].second,
                 qPrintable(QString("%1 bytes, SSIM %2; two levels lower %3 bytes, SSIM %4")
                                .arg(made[0].first).arg(made[0].second).arg(made[1].first).arg(made[1].second)));
    }
};

QTEST_GUILESS_MAIN(tst_rateSources)
#include "tst_rateSources.moc"
