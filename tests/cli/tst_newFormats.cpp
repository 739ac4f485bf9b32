// The formats after the seven, the copy and files made for the web, as a
// user gets them from tarnwick-cli: checked by ffprobe, FFmpeg's stream
// hashes, the file's own boxes and a browser.

#include "support/BrowserPlayer.h"
#include "support/CliConvert.h"
#include "support/Corpus.h"
#include "support/Media.h"
#include "support/TestPaths.h"

#include <QRegularExpression>
#include <QtEndian>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick::test;

namespace {

// The top-level boxes of an MP4 or QuickTime file, in order.
QStringList topLevelBoxes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList boxes;
    while (!file.atEnd()) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            break;
        quint64 size = qFromBigEndian<quint32>(head.constData());
        qint64 headSize = 8;
        if (size == 1) {
            size = qFromBigEndian<quint64>(file.read(8).constData());
            headSize = 16;
        }
        boxes << QString::fromLatin1(head.mid(4, 4));
        if (size == 0 || qint64(size) < headSize || !file.seek(file.pos() - headSize + qint64(size)))
            break;
    }
    return boxes;
}

} // namespace

class tst_newFormats : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QString, QString> m_source;

    QString out(const QString& name) const { return m_dir.filePath("out-" + name); }

private slots:
    void initTestCase()
    {
        QString error;
        for (const QString& path : sharedDeviceCorpus(&error))
            m_source.insert(QFileInfo(path).completeBaseName(), path);
        QVERIFY2(!m_source.isEmpty(), qPrintable(error));
    }

    // What a browser must play, it plays to the end.
    void browserPlays_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("source");
        for (const char* format : {"mp4-h264", "mp4-av1", "webm-av1", "webm-vp9"}) {
            QTest::addRow("%s from a phone", format) << format << "phone-h264";
            QTest::addRow("%s from a DVD", format) << format << "dvd-title";
        }
    }
    void browserPlays()
    {
        QFETCH(QString, format);
        QFETCH(QString, source);
        const Converted c = convert({"-f", format, "-o", out("web-" + format), m_source[source]});
        QVERIFY2(c.status == 0 && !c.output.isEmpty(), qPrintable(c.said));
        BrowserPlayer browser;
        const QString said = browser.plays(c.output);
        QVERIFY2(said.isEmpty(), qPrintable(said));
    }

    void newFormatsByProbe_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("tag");
        QTest::newRow("mp4-h265") << "mp4-h265" << "mov,mp4,m4a,3gp,3g2,mj2" << "hevc" << "Main" << "hvc1";
        QTest::newRow("mp4-av1") << "mp4-av1" << "mov,mp4,m4a,3gp,3g2,mj2" << "av1" << "Main" << "av01";
        QTest::newRow("webm-av1") << "webm-av1" << "matroska,webm" << "av1" << "Main" << "";
        QTest::newRow("webm-vp9") << "webm-vp9" << "matroska,webm" << "vp9" << "Profile 0" << "";
        QTest::newRow("mkv-h264") << "mkv-h264" << "matroska,webm" << "h264" << "High" << "";
    }
    void newFormatsByProbe()
    {
        QFETCH(QString, format);
        QFETCH(QString, container);
        QFETCH(QString, codec);
        QFETCH(QString, profile);
        QFETCH(QString, tag);
        // 10-bit, turned by its display matrix: it comes out 8-bit and upright.
        const Converted c = convert({"-f", format, "-o", out(format), m_source["phone-hevc10-rotated"]});
        QVERIFY2(c.status == 0, qPrintable(c.said));
        const MediaInfo info = mediaInfo(c.output);
        QCOMPARE(info.container, container);
        QCOMPARE(info.videoCodec, codec);
        QCOMPARE(info.profile, profile);
        QCOMPARE(info.pixelFormat, QString("yuv420p"));
        QVERIFY(info.portrait);
        QString tags;
        runTool(QStringLiteral(TARNWICK_FFPROBE),
                {"-v", "error", "-select_streams", "v:0", "-show_entries", "stream=codec_tag_string", "-of",
                 "csv=p=0", c.output},
                &tags);
        if (!tag.isEmpty())
            QCOMPARE(tags.trimmed(), tag);
    }

    // Two soundtracks and a subtitle, with their titles, in each container
    // that takes them.
    void everyTrackKept_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("subtitleCodec");
        QTest::addColumn<bool>("titles"); // FFmpeg's MP4 writer keeps none
        QTest::newRow("mkv") << "mkv-h264" << "subrip" << true;
        QTest::newRow("mp4") << "mp4-h265" << "mov_text" << false;
        QTest::newRow("webm") << "webm-vp9" << "webvtt" << true;
    }
    void everyTrackKept()
    {
        QFETCH(QString, format);
        QFETCH(QString, subtitleCodec);
        QFETCH(bool, titles);
        const Converted c = convert({"-f", format, "-o", out("tracks-" + format), m_source["tracks-subtitles"]});
        QVERIFY2(c.status == 0, qPrintable(c.said));
        const MediaInfo info = mediaInfo(c.output);
        QCOMPARE(info.audioStreams, 2);
        QCOMPARE(info.subtitleStreams, 1);
        if (titles)
            QCOMPARE(info.titles, QStringList({"Main", "Commentary", "English"}));
        QString codecs;
        runTool(QStringLiteral(TARNWICK_FFPROBE), {"-v", "error", "-select_streams", "s", "-show_entries",
                                                   "stream=codec_name", "-of", "csv=p=0", c.output},
                &codecs);
        QCOMPARE(codecs.trimmed(), subtitleCodec);
    }

    // The packets of a copy are the source's own.
    void copyKeepsThePackets()
    {
        const QString source = m_source["tracks-subtitles"];
        const Converted c = convert({"-f", "copy", "-o", out("copy"), source});
        QVERIFY2(c.status == 0, qPrintable(c.said));
        QVERIFY2(c.output.endsWith(".mp4"), qPrintable(c.output));
        const QString copied = streamHashes(c.output, {"0:v", "0:a"});
        QVERIFY(!copied.isEmpty());
        QCOMPARE(copied, streamHashes(source, {"0:v", "0:a"}));
        QCOMPARE(mediaInfo(c.output).subtitleStreams, 1);
    }

    // The container follows the codecs: QuickTime for PCM sound, Matroska
    // for what neither takes, unless the picture is turned, which only MP4
    // and QuickTime keep: that one converts.
    void copyChoosesTheContainer_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("make");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("codec");
        const QStringList picture{"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=2"};
        const QStringList sound{"-f", "lavfi", "-i", "sine=duration=2"};
        QTest::newRow("PCM camera") << "camera-mjpeg-15fps" << QStringList() << ".mov" << "mjpeg";
        QTest::newRow("10-bit phone keeps its turn") << "phone-hevc10-rotated" << QStringList() << ".mp4" << "hevc";
        QTest::newRow("VP8 and Vorbis") << "vp8.webm"
                                        << picture + sound + QStringList{"-c:v", "libvpx", "-c:a", "libvorbis"}
                                        << ".mkv" << "vp8";
        QTest::newRow("turned lossless: converted")
            << "ffv1.mov" << picture + QStringList{"-c:v", "ffv1"} << ".mp4" << "h264";
    }
    void copyChoosesTheContainer()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, make);
        QFETCH(QString, extension);
        QFETCH(QString, codec);
        QString path = m_source.value(source);
        if (path.isEmpty()) {
            path = m_dir.filePath("made/" + source);
            QDir().mkpath(m_dir.filePath("made"));
            QVERIFY(runTool(QStringLiteral(TARNWICK_FFMPEG), QStringList{"-nostdin", "-v", "error", "-y"} + make << path));
            // FFmpeg writes a display rotation only when it copies a stream.
            if (source.startsWith("ffv1"))
                QVERIFY(runTool(QStringLiteral(TARNWICK_FFMPEG),
                                {"-nostdin", "-v", "error", "-y", "-i", path, "-c", "copy", "-metadata:s:v", "rotate=90",
                                 path + ".turned.mov"}));
            if (source.startsWith("ffv1"))
                path += ".turned.mov";
        }
        const Converted c = convert({"-f", "copy", "-o", out("copy-" + source), path});
        QVERIFY2(c.status == 0, qPrintable(c.said));
        QVERIFY2(c.output.endsWith(extension), qPrintable(c.output));
        const MediaInfo info = mediaInfo(c.output);
        QCOMPARE(info.videoCodec, codec);
        QCOMPARE(info.portrait, mediaInfo(path).portrait);
        const QString said = gstreamerPlays(c.output);
        QVERIFY2(said.isEmpty(), qPrintable(said));
    }

    void copyTakesNoBitrateNorTurn()
    {
        QCOMPARE(convert({"-f", "copy", "-b", "800", m_source["phone-h264"]}).status, 2);
        QCOMPARE(convert({"-f", "copy", "-r", "cw", m_source["phone-h264"]}).status, 2);
        const Converted dry = convert({"-n", "-f", "copy", "-o", out("dry"), m_source["camera-mjpeg-15fps"]});
        QCOMPARE(dry.status, 0);
        QVERIFY2(dry.said.contains(QRegularExpression(" -c copy  -map 0:0 -map 0:1 \"[^\"]+\\.mov\"\n")),
                 qPrintable(dry.said));
    }

    // Made for the web: the index before the pictures, in every file that
    // is MP4 or QuickTime inside; without it, the plain order.
    void webPutsTheIndexFirst_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("mp4-h264") << "mp4-h264";
        QTest::newRow("flv, MP4 inside") << "flv";
        QTest::newRow("mov") << "mov";
        QTest::newRow("mp4-av1") << "mp4-av1";
        QTest::newRow("copy") << "copy";
    }
    void webPutsTheIndexFirst()
    {
        QFETCH(QString, format);
        for (const bool web : {true, false}) {
            QStringList arguments{"-f", format, "-o", out(format + (web ? "-web" : "-plain"))};
            if (web)
                arguments << "--web";
            const Converted c = convert(arguments << m_source["phone-h264"]);
            QVERIFY2(c.status == 0, qPrintable(c.said));
            const QStringList boxes = topLevelBoxes(c.output);
            QVERIFY2(boxes.contains("moov") && boxes.contains("mdat"), qPrintable(boxes.join(u' ')));
            QCOMPARE(boxes.indexOf("moov") < boxes.indexOf("mdat"), web);
        }
    }
};

QTEST_GUILESS_MAIN(tst_newFormats)
#include "tst_newFormats.moc"
