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

struct Converted {
    int status = -1;
    QString output; // the file written, when one was
    QString said;
};

Converted convert(const QStringList& arguments)
{
    QProcess cli;
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.start(realProgramFolder() + "/tarnwick-cli", arguments);
    cli.waitForFinished(300000);
    Converted result;
    result.status = cli.exitCode();
    result.said = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    static const QRegularExpression converted(QStringLiteral("^converted .+ -> (.+)$"),
                                              QRegularExpression::MultilineOption);
    result.output = converted.match(result.said).captured(1);
    return result;
}

QString probe(const QStringList& arguments)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFPROBE), QStringList{"-v", "error"} + arguments, &out);
    return out;
}

double formatStart(const QString& file)
{
    return probe({"-show_entries", "format=start_time", "-of", "csv=p=0", file})
        .trimmed()
        .toDouble();
}

struct Picture {
    double time = 0; // from the file's start
    double duration = 0;
    bool key = false;
};

// The first video stream's pictures as a decoder gives them.
QList<Picture> pictures(const QString& file)
{
    const double start = formatStart(file);
    QList<Picture> all;
    for (const QString& line :
         probe({"-select_streams", "v:0", "-show_entries",
                "frame=key_frame,best_effort_timestamp_time,pkt_duration_time", "-of",
                "compact=p=0", file})
             .split(u'\n', Qt::SkipEmptyParts)) {
        const auto field = [&line](const QString& name) {
            return line.section(name + u'=', 1).section(u'|', 0, 0);
        };
        if (line.contains("key_frame="))
            all << Picture{field("best_effort_timestamp_time").toDouble() - start,
                           field("pkt_duration_time").toDouble(), field("key_frame") == u"1"};
    }
    return all;
}

// From the first picture's start to the last one's end.
double videoLength(const QList<Picture>& pictures)
{
    return pictures.isEmpty()
               ? 0
               : pictures.constLast().time + pictures.constLast().duration - pictures.first().time;
}

// Which of the source's pictures `first` to `first + count - 1` the
// output's first picture is: the one most like it by SSIM, both brought to
// one size (and the source turned as the output was); -1 when none is.
int firstPictureAmong(const QString& output, const QString& source, int first, int count,
                      const QString& turn)
{
    const QString size = turn.isEmpty() ? "320:240" : "240:320";
    QString graph =
        QStringLiteral("[0:v]trim=end_frame=1,format=yuv420p,scale=%1,setsar=1,loop=loop=%2:size=1,"
                       "settb=1/30,setpts=N[a];"
                       "[1:v]trim=start_frame=%3:end_frame=%4,%5format=yuv420p,scale=%1,setsar=1,"
                       "settb=1/30,setpts=N[b];[a][b]ssim=stats_file=-")
            .arg(size)
            .arg(count - 1)
            .arg(first)
            .arg(first + count)
            .arg(turn.isEmpty() ? QString() : turn + u',');
    QString out;
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-v", "error", "-i", output, "-i", source, "-filter_complex", graph, "-an",
             "-f", "null", "-"},
            &out);
    static const QRegularExpression line(QStringLiteral("n:(\\d+) .*All:([0-9.]+)"));
    int best = -1;
    double bestSsim = 0;
    for (auto m = line.globalMatch(out); m.hasNext();) {
        const auto match = m.next();
        if (match.captured(2).toDouble() > bestSsim) {
            bestSsim = match.captured(2).toDouble();
            best = match.captured(1).toInt() - 1;
        }
    }
    return bestSsim > 0.95 ? first + best : -1;
}

// When the flash is seen (the brightest picture) and the click heard (the
// first sound after silence), in the output's own time.
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
        else if (line.startsWith("lavfi.signalstats.YAVG=") &&
                 line.section(u'=', 1).toDouble() > brightest) {
            brightest = line.section(u'=', 1).toDouble();
            flash = at;
        }
    }
    runTool(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-v", "info", "-i", file, "-vn", "-af", "silencedetect=n=-30dB:d=0.01",
             "-f", "null", "-"},
            &out);
    static const QRegularExpression end(QStringLiteral("silence_end: (-?[0-9.]+)"));
    const auto heard = end.match(out);
    return {flash, heard.hasMatch() ? heard.captured(1).toDouble() : -1};
}

struct Source {
    QString name;
    double frame; // the longest time between its pictures around 2 s
};

const QList<Source>& sources()
{
    static const QList<Source> all{{"phone-h264", 1 / 30.0},
                                   {"dvd-mpeg2-ac3", 1.001 / 30},
                                   {"phone-hevc10", 1 / 30.0},
                                   {"screen-vfr", 2 / 30.0}};
    return all;
}

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
        // What the sources are, as an independent reader sees them.
        for (const Source& source : sources()) {
            const auto [flash, click] = flashAndClick(m_source[source.name]);
            QVERIFY2(std::abs(flash - 2) < 0.01 && std::abs(click - 2) < 0.01,
                     qPrintable(
                         QString("%1: flash %2, click %3").arg(source.name).arg(flash).arg(click)));
        }
    }

    // Each source in formats of every kind and as a copy, from 1.25 s (a
    // time between two pictures) to 2.75 s; a start alone, an end alone,
    // and a range turned on its way.
    void aPartOfEachSource_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("rotate");
        Shard shard;
        for (const Source& source : sources()) {
            for (const char* format : {"mp4-h264", "mpg", "webm-vp9", "copy"}) {
                if (shard.takes())
                    QTest::addRow("%s to %s", qPrintable(source.name), format)
                        << source.name << format << "1.25"
                        << "0:02.75"
                        << "";
            }
        }
        const QList<QStringList> more{{"phone-h264", "mp4-h264", "1.25", "", "cw"},
                                      {"screen-vfr", "mkv-h264", "0:01.9", "", ""},
                                      {"dvd-mpeg2-ac3", "wmv", "", "2.5", ""},
                                      {"phone-hevc10", "copy", "", "2.5", ""}};
        for (const QStringList& row : more) {
            if (shard.takes())
                QTest::addRow("%s to %s from '%s' to '%s' %s", qPrintable(row[0]),
                              qPrintable(row[1]), qPrintable(row[2]), qPrintable(row[3]),
                              qPrintable(row[4]))
                    << row[0] << row[1] << row[2] << row[3] << row[4];
        }
    }
    void aPartOfEachSource()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, rotate);
        const QString path = m_source[source];
        const double frame = std::find_if(sources().begin(), sources().end(), [&](const Source& s) {
                                 return s.name == source;
                             })->frame;
        const double from = tarnwick::parseTime(start).value_or(0);
        const QList<Picture> in = pictures(path);
        const double until = tarnwick::parseTime(end).value_or(in.constLast().time + frame);
        QStringList arguments{"-f", format, "-o", m_dir.filePath(QTest::currentDataTag())};
        if (!start.isEmpty())
            arguments << "--start" << start;
        if (!end.isEmpty())
            arguments << "--end" << end;
        if (!rotate.isEmpty())
            arguments << "--rotate" << rotate;
        const Converted c = convert(arguments << path);
        QVERIFY2(c.status == 0 && !c.output.isEmpty(), qPrintable(c.said));

        QStringList faults;
        if (const QString played = gstreamerPlays(c.output); !played.isEmpty())
            faults << "GStreamer: " + played;
        // The picture the output begins with: the first at or after the
        // start, or for a copy the key frame at or before it.
        const bool copy = format == "copy";
        qsizetype expected = std::find_if(in.begin(), in.end(),
                                          [&](const Picture& p) { return p.time >= from - 1e-4; }) -
                             in.begin();
        if (copy) {
            while (expected > 0 && !(in[expected].key && in[expected].time <= from + 1e-4))
                --expected;
        }
        const int first = int(qMax<qsizetype>(0, expected - 3));
        const int found = firstPictureAmong(c.output, path, first, 7,
                                            rotate.isEmpty() ? QString() : "transpose=1");
        if (found != expected)
            faults << QString("begins with the picture at %1 s, not the one at %2 s")
                          .arg(found < 0 ? -1 : in[found].time)
                          .arg(in[expected].time);
        const QList<Picture> out = pictures(c.output);
        if (copy && (out.isEmpty() || !out.first().key))
            faults << "the copy does not begin with a key frame";
        // As long as the range, within one picture; a copy from its key frame.
        const double length = videoLength(out);
        const double wanted = until - (copy ? in[expected].time : from);
        if (copy ? (length < wanted - frame || length > wanted + 0.25)
                 : std::abs(length - wanted) > frame + 1e-3)
            faults << QString("lasts %1 s, the range %2 s").arg(length).arg(wanted);
        // The sound with its pictures: the click within a picture of the flash.
        if (from < 2 && until > 2.05) {
            const auto [flash, click] = flashAndClick(c.output);
            if (flash < 0 || click < 0 || std::abs(flash - click) > frame + 0.01)
                faults << QString("the flash at %1 s, the click at %2 s").arg(flash).arg(click);
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QFileInfo(c.output).fileName() + ": " + faults.join("; ")));
    }

    // A range that starts past a source's end fails that file; the others
    // convert, and the copy's dry run tells where it begins.
    void outsideTheSourceFailsThatFileOnly()
    {
        const QString folder = m_dir.filePath("outside");
        const Converted c = convert({"-f", "mp4-h264", "--start", "3", "-o", folder,
                                     m_source["phone-short"], m_source["phone-h264"]});
        QCOMPARE(c.status, 1);
        QVERIFY2(c.said.contains("the time range starts at 0:03, but the video is only 0:02 long"),
                 qPrintable(c.said));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
        QVERIFY2(c.output.contains("phone-h264_"), qPrintable(c.said));

        const Converted dry =
            convert({"-n", "-f", "copy", "--start", "1.25", "-o", folder, m_source["phone-h264"]});
        QVERIFY2(
            dry.said.contains("its picture begins at the key frame at 0:01, 0.25 s before 0:01.25"),
            qPrintable(dry.said));
    }
};

QTEST_GUILESS_MAIN(tst_rangeSources)
#include "tst_rangeSources.moc"
