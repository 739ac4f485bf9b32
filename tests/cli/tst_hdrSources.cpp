// HDR video as phones, cameras and downloads bring it, converted to every
// format by tarnwick-cli with Debian's FFmpeg: the 8-bit formats look like
// the SDR grade the sources were mastered from, H.265, AV1 and VP9 keep the
// HDR picture, the copy keeps everything; each result checked by ffprobe,
// by FFmpeg decoding and measuring it, by GStreamer and by a browser.

#include "media/OutputFormats.h"
#include "support/BrowserPlayer.h"
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

QString baseName(const CorpusSource& source)
{
    return QFileInfo(source.name).completeBaseName();
}

bool isHdrTransfer(const QString& transfer)
{
    return transfer == u"smpte2084" || transfer == u"arib-std-b67";
}

} // namespace

class tst_hdrSources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QString, QString> m_source; // by base name
    QHash<QString, MediaInfo> m_info;
    PictureLevels m_master;

private slots:
    void initTestCase()
    {
        QString error;
        const QStringList made = sharedCorpus("hdr", hdrCorpus() << sdrMaster(), &error);
        QVERIFY2(!made.isEmpty(), qPrintable(error));
        for (const QString& path : made) {
            m_source.insert(QFileInfo(path).completeBaseName(), path);
            m_info.insert(QFileInfo(path).completeBaseName(), mediaInfo(path));
        }
        m_master = pictureLevels(m_source["sdr-master"]);
        QVERIFY(m_master.saturation > 50 && m_master.brightness > 50);
        // What the sources are, as an independent reader sees them.
        QVERIFY(m_info["phone-hlg-upright"].portrait);
        QVERIFY(m_info["iphone-dolby-vision"].sideData.contains("DOVI configuration record"));
        QVERIFY(m_info["hdr10-mastering"].sideData.contains("Mastering display metadata"));
    }

    // One row a source and format, and the formats that keep HDR with
    // HDR to SDR chosen.
    void everySourceInEveryFormat_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("sdr");
        Shard shard;
        for (const CorpusSource& source : hdrCorpus()) {
            for (const OutputFormat& format : outputFormats()) {
                if (shard.takes())
                    QTest::addRow("%s to %s", qPrintable(baseName(source)), qPrintable(format.cliName))
                        << baseName(source) << format.cliName << false;
            }
        }
        for (const char* source : {"phone-hlg-upright", "hdr10-mastering"}) {
            for (const char* format : {"mp4-h265", "mp4-av1", "webm-av1", "webm-vp9"}) {
                if (shard.takes())
                    QTest::addRow("%s to %s --sdr", source, format) << source << format << true;
            }
        }
    }
    void everySourceInEveryFormat()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(bool, sdr);
        const OutputFormat& record = *formatNamed(format);
        const MediaInfo& in = m_info[source];
        const QString folder = m_dir.filePath(QStringLiteral("out-%1-%2%3").arg(source, format, sdr ? "-sdr" : ""));
        QStringList arguments{"-f", format, "-o", folder};
        if (sdr)
            arguments << "--sdr";
        const Converted c = convert(arguments << m_source[source]);

        // Profile 5 shows right only on a Dolby Vision player: refused
        // before anything is written, except as a copy.
        if (source == u"dolby-vision-5" && !record.copies) {
            QCOMPARE(c.status, 1);
            QVERIFY2(c.said.contains("Dolby Vision profile 5") && c.said.contains("Copy"), qPrintable(c.said));
            QVERIFY(QDir(folder).isEmpty());
            return;
        }
        QVERIFY2(c.status == 0 && !c.output.isEmpty(), qPrintable(c.said));
        const MediaInfo out = mediaInfo(c.output);
        QStringList faults;
        if (const QString error = decodeErrors(c.output); !error.isEmpty())
            faults << "FFmpeg decodes it with an error: " + error;
        if (std::fabs(out.duration - in.duration) > 0.05 * in.duration)
            faults << QString("lasts %1 s, the source %2 s").arg(out.duration).arg(in.duration);
        if (out.portrait != in.portrait)
            faults << "turned: portrait and landscape swapped";
        if (const QString played = gstreamerPlays(c.output); !played.isEmpty())
            faults << "GStreamer: " + played;

        const bool kept = record.copies || (!sdr && !record.hdrPixelFormat.isEmpty());
        if (kept) {
            if (out.pixelFormat != "yuv420p10le")
                faults << "HDR squeezed into " + out.pixelFormat;
            if (out.transfer != in.transfer || out.primaries != "bt2020")
                faults << QString("tagged %1/%2, the source %3/bt2020").arg(out.transfer, out.primaries, in.transfer);
        } else {
            // SDR, tagged so where the container can say it, and looking
            // like the grade the source was mastered from.
            const PictureLevels levels = pictureLevels(c.output);
            if (levels.bits != 8)
                faults << QString("%1-bit pictures").arg(levels.bits);
            if (isHdrTransfer(out.transfer) || out.primaries == "bt2020")
                faults << QString("still tagged %1/%2").arg(out.transfer, out.primaries);
            const bool tagged = record.isMp4Family() || record.container == "matroska";
            if (tagged && (out.transfer != "bt709" || out.primaries != "bt709" || out.matrix != "bt709"))
                faults << QString("tagged %1/%2/%3, not BT.709").arg(out.matrix, out.primaries, out.transfer);
            if (levels.saturation < 0.5 * m_master.saturation)
                faults << QString("washed out: saturation %1, the SDR grade's %2")
                              .arg(levels.saturation)
                              .arg(m_master.saturation);
            if (std::fabs(levels.brightness - m_master.brightness) > m_master.brightness / 3)
                faults << QString("brightness %1, the SDR grade's %2").arg(levels.brightness).arg(m_master.brightness);
            // Nothing of the HDR source left for a television to act on.
            const QStringList records = out.sideData + firstPictureSideData(c.output);
            for (const char* stale : {"Mastering display metadata", "Content light level metadata",
                                      "DOVI configuration record"}) {
                if (records.contains(stale))
                    faults << QString("the SDR output keeps the source's %1").arg(stale);
            }
        }
        // The mastering display reaches the encoders that write one, and
        // every container that keeps one.
        if (kept && in.sideData.contains("Mastering display metadata")) {
            if (!out.sideData.contains("Mastering display metadata") || !out.sideData.contains("Content light level metadata"))
                faults << "the container lost the mastering display: " + out.sideData.join(", ");
            const QStringList picture = firstPictureSideData(c.output);
            if ((record.videoCodec == "libx265" || record.videoCodec == "libsvtav1") &&
                !picture.contains("Mastering display metadata"))
                faults << "the bitstream has no mastering display: " + picture.join(", ");
        }
        if (record.copies && in.sideData.contains("DOVI configuration record") &&
            !out.sideData.contains("DOVI configuration record"))
            faults << "the copy lost its Dolby Vision record";
        // Browsers play HDR in AV1 and VP9.
        if (kept && !record.copies && (record.videoCodec == "libsvtav1" || record.videoCodec == "libvpx-vp9")) {
            BrowserPlayer browser;
            if (const QString said = browser.plays(c.output); !said.isEmpty())
                faults << "Chromium: " + said;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QFileInfo(c.output).fileName() + ": " + faults.join("; ")));
    }

    // The dry run says what is done to an HDR source, and why.
    void dryRunSaysWhy()
    {
        const Converted toneMapped = convert({"-n", "-f", "mp4-h264", "-o", m_dir.filePath("dry"),
                                              m_source["iphone-dolby-vision"]});
        QCOMPARE(toneMapped.status, 0);
        QVERIFY2(toneMapped.said.contains("# added tone map HLG to BT.709 SDR, peak 1000 nits: this format's "
                                          "video is 8-bit") &&
                     toneMapped.said.contains("Dolby Vision profile 8"),
                 qPrintable(toneMapped.said));
        const Converted kept = convert({"-n", "-f", "mp4-h265", "-o", m_dir.filePath("dry"),
                                        m_source["hdr10-mastering"]});
        QVERIFY2(kept.said.contains("# added -pix_fmt yuv420p10le -color_trc smpte2084: the source's PQ pictures "
                                    "kept in high dynamic range") &&
                     kept.said.contains("# added -x265-params: the source's mastering display and light levels kept"),
                 qPrintable(kept.said));
        const Converted refused = convert({"-n", "-f", "webm-vp9", "-o", m_dir.filePath("dry"),
                                           m_source["dolby-vision-5"]});
        QVERIFY2(refused.said.contains("# not converted: its picture is Dolby Vision profile 5"),
                 qPrintable(refused.said));
    }
};

QTEST_GUILESS_MAIN(tst_hdrSources)
#include "tst_hdrSources.moc"
