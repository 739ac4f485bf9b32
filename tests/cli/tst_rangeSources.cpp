// A part of a video, as a user cuts it with tarnwick-cli's --start and
// --end from sources made the way phones, DVDs and screen recorders make
// them: an encoded part lasts as long as the range, begins with the picture
// at its start and keeps its sound with its pictures; a copy begins at the
// key frame at or before the start. Measured with ffprobe and FFmpeg's
// filters, played by GStreamer.

#include "job/TimeRange.h"
#include "support/Corpus.h"
#include "support/Shards.h"
#include "support/TestPaths.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace tarnwick::test;

namespace {

struct Picture {
    double time = 0; // from the file's start
    double duration = 0;
    bool key = false;
};

// The first video stream's pictures as a decoder gives them.
QList<Picture> pictures(const QString& file)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFPROBE),
            {"-v", "error", "-show_entries", "format=start_time", "-of", "csv=p=0", file}, &out);
    const double start = out.trimmed().toDouble();
    runTool(QStringLiteral(TARNWICK_FFPROBE),
            {"-v", "error", "-select_streams", "v:0", "-show_entries",
             "frame=key_frame,best_effort_timestamp_time,pkt_duration_time", "-of", "compact=p=0", file},
            &out);
    QList<Picture> all;
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
        const auto field = [&line](const char* name) { return line.section(name, 1).section(u'|', 0, 0); };
        if (line.contains("key_frame="))
            all << Picture{field("best_effort_timestamp_time=").toDouble() - start,
                           field("pkt_duration_time=").toDouble(), field("key_frame=") == u"1"};
    }
    return all;
}

// Which of the source's pictures `first` to `first + 6` the output's first
// picture is: the one most like it by SSIM, both brought to one size (and
// the source turned as the output was); -1 when none is.
int firstPictureAmong(const QString& output, const QString& source, int first, const QString& turn)
{
    const QString graph = QStringLiteral("[0:v]trim=end_frame=1,format=yuv420p,scale=%1,setsar=1,"
                                         "loop=loop=6:size=1,settb=1/30,setpts=N[a];"
                                         "[1:v]trim=start_frame=%2:end_frame=%3,%4format=yuv420p,"
                                         "scale=%1,setsar=1,settb=1/30,setpts=N[b];[a][b]ssim=stats_file=-")
                              .arg(turn.isEmpty() ? "320:240" : "240:320")
                              .arg(first)
                              .arg(first + 7)
                              .arg(turn.isEmpty() ? QString() : turn + u',');
    QString out;
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-v", "error", "-i", output, "-i", source, "-filter_complex", graph, "-an", "-f", "null", "-"},
            &out);
    static const QRegularExpression line(QStringLiteral("n:(\\d+) .*All:([0-9.]+)"));
    int best = -1;
    double bestSsim = 0.95;
    for (auto m = line.globalMatch(out); m.hasNext();) {
        const auto match = m.next();
        if (match.captured(2).toDouble() > bestSsim)
            std::tie(best, bestSsim) = std::pair(first + match.captured(1).toInt() - 1, match.captured(2).toDouble());
    }
    return best;
}

// When the flash is seen (the brightest picture) and the click heard (the
// first sound after silence), in the file's own time.
std::pair<double, double> flashAndClick(const QString& file)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-v", "error", "-i", file, "-an", "-vf",
             "signalstats,metadata=print:key=lavfi.signalstats.YAVG:file=-", "-f", "null", "-"},
            &out);
    double flash = -1, brightest = 0, at = 0;
    for (const QString& line : out.split(u'\n')) {
        if (line.contains("pts_time:"))
            at = line.section("pts_time:", 1).trimmed().toDouble();
        else if (line.startsWith("lavfi.signalstats.YAVG=") && line.section(u'=', 1).toDouble() > brightest)
            std::tie(brightest, flash) = std::pair(line.section(u'=', 1).toDouble(), at);
    }
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-i", file, "-vn", "-af", "silencedetect=n=-30dB:d=0.01", "-f", "null", "-"}, &out);
    const auto heard = QRegularExpression(QStringLiteral("silence_end: (-?[0-9.]+)")).match(out);
    return {flash, heard.hasMatch() ? heard.captured(1).toDouble() : -1};
}

// Each source with the longest time between its pictures around 2 s.
const QList<std::pair<QString, double>> kSources{
    {"phone-h264", 1 / 30.0}, {"dvd-mpeg2-ac3", 1.001 / 30}, {"phone-hevc10", 1 / 30.0}, {"screen-vfr", 2 / 30.0}};

} // namespace

class tst_rangeSources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QString, QString> m_source; // by base name

private slots:
    void initTestCase()
    {
        QString error;
        const QStringList made = sharedCorpus("range", rangeCorpus(), &error);
        QVERIFY2(!made.isEmpty(), qPrintable(error));
        for (const QString& path : made)
            m_source.insert(QFileInfo(path).completeBaseName(), path);
        for (const auto& [name, frame] : kSources) {
            const auto [flash, click] = flashAndClick(m_source[name]);
            QVERIFY2(std::abs(flash - 2) < 0.01 && std::abs(click - 2) < 0.01, qPrintable(name));
        }
    }

    // Each source in formats of every kind and as a copy, from 1.25 s (a
    // time between two pictures) to 2.75 s; a start alone, an end alone,
    // and a range turned on its way.
    void aPartOfEachSource_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("frame");
        QTest::addColumn<QStringList>("options");
        Shard shard;
        const auto row = [&](const QString& source, double frame, const QStringList& options) {
            if (shard.takes())
                QTest::addRow("%s %s", qPrintable(source), qPrintable(options.join(u' ')))
                    << source << frame << options;
        };
        for (const auto& [name, frame] : kSources) {
            for (const char* format : {"mp4-h264", "mpg", "webm-vp9", "copy"})
                row(name, frame, {"-f", format, "--start", "1.25", "--end", "0:02.75"});
        }
        row("phone-h264", 1 / 30.0, {"-f", "mp4-h264", "--start", "1.25", "--rotate", "cw"});
        row("screen-vfr", 2 / 30.0, {"-f", "mkv-h264", "--start", "0:01.9"});
        row("dvd-mpeg2-ac3", 1.001 / 30, {"-f", "wmv", "--end", "2.5"});
        row("phone-hevc10", 1 / 30.0, {"-f", "copy", "--end", "2.5"});
    }
    void aPartOfEachSource()
    {
        QFETCH(QString, source);
        QFETCH(double, frame);
        QFETCH(QStringList, options);
        const QString path = m_source[source];
        const QList<Picture> in = pictures(path);
        const auto option = [&](const char* name) {
            return options.contains(name) ? options.value(options.indexOf(name) + 1) : QString();
        };
        const double from = tarnwick::parseTime(option("--start")).value_or(0);
        const double until = tarnwick::parseTime(option("--end")).value_or(in.constLast().time + frame);
        QProcess cli;
        cli.setProcessChannelMode(QProcess::MergedChannels);
        cli.setStandardInputFile(QProcess::nullDevice());
        cli.start(realProgramFolder() + "/tarnwick-cli",
                  QStringList{"-o", m_dir.filePath(QTest::currentDataTag())} + options << path);
        QVERIFY(cli.waitForFinished(300000));
        const QString said = QString::fromUtf8(cli.readAll());
        const QString output =
            QRegularExpression("^converted .+ -> (.+)$", QRegularExpression::MultilineOption).match(said).captured(1);
        QVERIFY2(cli.exitCode() == 0 && !output.isEmpty(), qPrintable(said));

        QStringList faults;
        if (const QString played = gstreamerPlays(output); !played.isEmpty())
            faults << "GStreamer: " + played;
        // The picture it begins with: the first at or after the start, or
        // for a copy the key frame at or before it.
        const bool copy = option("-f") == "copy";
        qsizetype expected =
            std::find_if(in.begin(), in.end(), [&](const Picture& p) { return p.time >= from - 1e-4; }) - in.begin();
        while (copy && expected > 0 && !(in[expected].key && in[expected].time <= from + 1e-4))
            --expected;
        const int found = firstPictureAmong(output, path, int(qMax<qsizetype>(0, expected - 3)),
                                            options.contains("--rotate") ? "transpose=1" : "");
        if (found != expected)
            faults << QString("begins with the picture at %1 s, not the one at %2 s")
                          .arg(found < 0 ? -1 : in[found].time)
                          .arg(in[expected].time);
        const QList<Picture> out = pictures(output);
        if (copy && (out.isEmpty() || !out.first().key))
            faults << "the copy does not begin with a key frame";
        // As long as the range, within one picture; a copy from its key frame.
        const double length = out.isEmpty() ? 0 : out.constLast().time + out.constLast().duration - out.first().time;
        const double wanted = until - (copy ? in[expected].time : from);
        if (copy ? (length < wanted - frame || length > wanted + 0.25) : std::abs(length - wanted) > frame + 1e-3)
            faults << QString("lasts %1 s, the range %2 s").arg(length).arg(wanted);
        // The sound with its pictures: the click within a picture of the flash.
        if (from < 2 && until > 2.05) {
            const auto [flash, click] = flashAndClick(output);
            if (flash < 0 || click < 0 || std::abs(flash - click) > frame + 0.01)
                faults << QString("the flash at %1 s, the click at %2 s").arg(flash).arg(click);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QFileInfo(output).fileName() + ": " + faults.join("; ")));
    }
};

QTEST_GUILESS_MAIN(tst_rangeSources)
#include "tst_rangeSources.moc"
