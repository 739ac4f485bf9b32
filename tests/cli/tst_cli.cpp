// tarnwick-cli as a user or a scheduler runs it: a real process, Debian's
// FFmpeg behind it, the results checked with ffprobe.

#include "support/Media.h"
#include "support/Processes.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace tarnwick::test;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

QString cli()
{
    return realProgramFolder() + QStringLiteral("/tarnwick-cli");
}

Run runCli(const QStringList& arguments, const QString& workingFolder = QString(), int timeoutMs = 240000,
           const QString& program = cli(), const QProcessEnvironment& environment = {})
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

// The output's name without the clock suffix: "clip_95711.avi" gives "clip.avi".
QString withoutClock(const QString& path)
{
    static const QRegularExpression clock(QStringLiteral("_\\d{3,6}(?=(_\\d+)?\\.[^.]+$)"));
    return QFileInfo(path).fileName().remove(clock);
}


} // namespace

class tst_cli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_clip;

private slots:
    void initTestCase()
    {
        m_clip = m_dir.filePath("clips/clip.mp4");
        QVERIFY(makeClip(m_clip, 1, "320x240"));
    }

    void eachFormatByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("codec");
        QTest::newRow("mp4") << "mp4" << "mp4" << "mov,mp4,m4a,3gp,3g2,mj2" << "mpeg4";
        QTest::newRow("mp4-h264") << "mp4-h264" << "mp4" << "mov,mp4,m4a,3gp,3g2,mj2" << "h264";
        QTest::newRow("avi") << "avi" << "avi" << "avi" << "mpeg4";
        QTest::newRow("mov") << "mov" << "mov" << "mov,mp4,m4a,3gp,3g2,mj2" << "h264";
        QTest::newRow("flv") << "flv" << "flv" << "mov,mp4,m4a,3gp,3g2,mj2" << "h264";
        QTest::newRow("wmv") << "wmv" << "wmv" << "asf" << "msmpeg4v3";
        QTest::newRow("mpg") << "mpg" << "mpg" << "mpeg" << "mpeg1video";
    }
    void eachFormatByName()
    {
        QFETCH(QString, name);
        QFETCH(QString, extension);
        QFETCH(QString, container);
        QFETCH(QString, codec);
        const QString out = m_dir.filePath("format-" + name);
        const Run run = runCli({"-f", name, "-o", out, m_clip});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QStringList files = filesBelow(out);
        QCOMPARE(files.size(), 1);
        QVERIFY2(files.first().endsWith("." + extension), qPrintable(files.first()));
        const Probe probe = ffprobe(files.first());
        QCOMPARE(probe.format, container);
        QCOMPARE(probe.videoCodec, codec);
        QCOMPARE(probe.width, 320);
        // Not a terminal: one plain line per file, then the summary.
        QVERIFY2(run.out.startsWith("converted " + m_clip + " -> " + files.first() + "\n"), qPrintable(run.out));
    }

    // A source that needs nothing converts by exactly the plain command.
    void ordinaryClipGetsThePlainCommand_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("extension");
        QTest::newRow("mp4") << "mp4" << " -vcodec mpeg4 -vb 5000k  " << ".mp4";
        QTest::newRow("mp4-h264") << "mp4-h264" << " -vcodec h264 -vb 5000k  " << ".mp4";
        QTest::newRow("avi") << "avi" << " -vb 5000k  " << ".avi";
        QTest::newRow("mov") << "mov" << " -vb 5000k  " << ".mov";
        QTest::newRow("flv") << "flv" << " -f mp4 -vb 1000k  " << ".flv";
        QTest::newRow("wmv") << "wmv" << " -vb 3000k  " << ".wmv";
        QTest::newRow("mpg") << "mpg" << " -vcodec mpeg1video -vb 1500k  " << ".mpg";
    }
    void ordinaryClipGetsThePlainCommand()
    {
        QFETCH(QString, name);
        QFETCH(QString, options);
        QFETCH(QString, extension);
        const Run dry = runCli({"-n", "-f", name, "-o", m_dir.filePath("plain"), m_clip});
        QCOMPARE(dry.status, 0);
        const QString command = dry.out.trimmed().section(u'\n', -1);
        const QString output = command.section(u'"', -2, -2);
        QVERIFY2(output.endsWith(extension), qPrintable(output));
        QCOMPARE(command, realProgramFolder() + "/data/conv.exe -i \"" + m_clip + "\"" + options + "\"" + output + "\"");
    }

    // The help, the list and the manual page name every format there is.
    void everyFormatIsDocumented()
    {
        const Run help = runCli({"--help"});
        const Run list = runCli({"--list-formats"});
        QFile manual(TARNWICK_TEST_DATA "/../../resources/man/tarnwick-cli.1");
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(manual.readAll()).remove(u'\\');
        const QString formatEntry = page.section("--format", 1).section(".TP", 0, 0);
        const QString placeEntry = page.section(".BI --for ", 1).section(".TP", 0, 0);
        QStringList names;
        bool places = false; // the places --for names follow a blank line
        for (const QString& line : list.out.split(u'\n')) {
            places = places || line.isEmpty();
            const QString name = line.section(u' ', 0, 0);
            if (name.isEmpty())
                continue;
            names << name;
            QVERIFY2(help.out.contains(QRegularExpression("[ ,]" + QRegularExpression::escape(name) + "[ ,\n]")),
                     qPrintable(name));
            QVERIFY2((places ? placeEntry : formatEntry).contains(QRegularExpression("\\b" + QRegularExpression::escape(name) + "\\b")),
                     qPrintable(name + " is missing from the manual page"));
        }
        QVERIFY(names.size() >= 7);
    }

    void rotationAndBitrateReachTheEncoder()
    {
        const QString out = m_dir.filePath("turned");
        const Run run = runCli({"-r", "cw", "-b", "800", "-o", out, m_clip});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const Probe probe = ffprobe(filesBelow(out).value(0));
        QCOMPARE(probe.width, 240);
        QCOMPARE(probe.height, 320);
        const Run dry = runCli({"-n", "-r", "cw", "-b", "800", "-o", out, m_clip});
        QCOMPARE(dry.status, 0);
        QVERIFY2(dry.out.contains(" -vcodec mpeg4 -vb 800k -vf \"transpose=1\" \""), qPrintable(dry.out));
        QCOMPARE(filesBelow(out).size(), 1); // the dry run wrote nothing
    }

    // Sources with one base name: the dry run names the second's output with
    // _2 and the third's with _3, as the conversion does within a second.
    void dryRunNamesTheOutputsTheConversionWrites()
    {
        const QString twin = m_dir.filePath("twin/clip.mp4");
        QVERIFY(QFile::exists(twin) || (QDir().mkpath(QFileInfo(twin).path()) && QFile::copy(m_clip, twin)));
        const QString out = m_dir.filePath("dry");
        const Run run = runCli({"-n", "-o", out, m_clip, twin, m_clip});
        QCOMPARE(run.status, 0);
        static const QRegularExpression written(QStringLiteral("\"([^\"]+)\"\n"));
        QStringList outputs;
        for (auto match = written.globalMatch(run.out); match.hasNext();) {
            const QString path = match.next().captured(1);
            if (path.startsWith(out))
                outputs << path;
        }
        QCOMPARE(outputs.size(), 3);
        const QRegularExpression first(QRegularExpression::escape(out) + "/clip_(\\d{1,6})\\.mp4");
        const QString stamp = first.match(outputs.at(0)).captured(1);
        QVERIFY2(!stamp.isEmpty(), qPrintable(outputs.at(0)));
        QCOMPARE(outputs.at(1), QString("%1/clip_%2_2.mp4").arg(out, stamp));
        QCOMPARE(outputs.at(2), QString("%1/clip_%2_3.mp4").arg(out, stamp));
        QVERIFY(!QFileInfo::exists(out));
    }

    // A folder as "Add a Folder" searches it, names with blanks and
    // non-ASCII letters among them; two at once give what one at a time gives.
    void folderSearchAndJobs()
    {
        const QString folder = m_dir.filePath("library");
        for (const QString& name : {QString("with blank.mp4"), QString::fromUtf8("vidéo_ü.mp4"), QString("plain.mp4")})
            QVERIFY(makeClip(folder + "/" + name));
        QVERIFY(makeClip(folder + "/sub/VIDEO_TS/VTS_01_1.VOB"));
        QVERIFY(makeClip(folder + "/sub/ignored.mp4")); // below the folder only title files count

        QStringList names[2];
        for (int jobs : {1, 2}) {
            const QString out = m_dir.filePath(QString("jobs%1").arg(jobs));
            const Run run = runCli({"-j", QString::number(jobs), "-f", "avi", "-o", out, folder});
            QVERIFY2(run.status == 0, qPrintable(run.err));
            for (const QString& file : filesBelow(out)) {
                names[jobs - 1] << withoutClock(file);
                QCOMPARE(ffprobe(file).videoCodec, QString("mpeg4"));
            }
            names[jobs - 1].sort();
        }
        QCOMPARE(names[0], QStringList({"VTS_01_1.avi", "plain.avi", QString::fromUtf8("vidéo_ü.avi"),
                                        "with blank.avi"}));
        QCOMPARE(names[1], names[0]);
    }

    void failingSourceGivesStatus1AndTheRestConvert()
    {
        const QString broken = m_dir.filePath("broken.mp4");
        QVERIFY(writeFile(broken, "not a video at all"));
        const QString out = m_dir.filePath("mixed");
        for (const QString& jobs : {QString("1"), QString("2")}) {
            const Run run = runCli({"--json", "-j", jobs, "-o", out, broken, m_clip});
            QCOMPARE(run.status, 1);
            QVERIFY2(run.err.contains("tarnwick-cli: " + broken + ": "), qPrintable(run.err));
            QVERIFY(run.out.contains("\"event\":\"failed\""));
            QVERIFY(run.out.contains("\"converted\":1"));
            QVERIFY(run.out.contains("\"failed\":1"));
        }
        const QStringList files = filesBelow(out);
        QCOMPARE(files.size(), 2);
        for (const QString& file : files)
            QVERIFY(QFileInfo(file).fileName().startsWith("clip_"));
    }

    void badUsageGivesStatus2AndWritesNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named"); // what the message must name
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "x.mp4"} << "frobnicate";
        QTest::newRow("unknown format") << QStringList{"-f", "mkv", "x.mp4"} << "'mkv'";
        QTest::newRow("bitrate text") << QStringList{"-b", "fast", "x.mp4"} << "'fast'";
        QTest::newRow("bitrate zero") << QStringList{"-b", "0", "x.mp4"} << "'0'";
        QTest::newRow("rotation") << QStringList{"-r", "45", "x.mp4"} << "'45'";
        QTest::newRow("jobs") << QStringList{"-j", "0", "x.mp4"} << "'0'";
        QTest::newRow("missing value") << QStringList{"x.mp4", "-o"} << "o";
        QTest::newRow("no source") << QStringList{"-f", "avi"} << "SOURCE";
        QTest::newRow("SDR asked of a copy") << QStringList{"-f", "copy", "--sdr", "x.mp4"} << "--sdr";
        QTest::newRow("quality off the scale") << QStringList{"-f", "mp4-h264", "-q", "52", "x.mp4"} << "1 (best) to 51";
        QTest::newRow("quality of a copy") << QStringList{"-f", "copy", "-q", "20", "x.mp4"} << "--quality";
        QTest::newRow("quality and bitrate") << QStringList{"-q", "4", "-b", "900", "x.mp4"} << "give one";
        QTest::newRow("size unreadable") << QStringList{"--size", "25Q", "x.mp4"} << "'25Q'";
        QTest::newRow("size of a copy") << QStringList{"-f", "copy", "--size", "25M", "x.mp4"} << "--size";
        for (const char* loudness : {"loud", "-41", ""})
            QTest::addRow("loudness '%s'", loudness) << QStringList{"--loudness", loudness, "x.mp4"} << "podcast (-16 LUFS)";
        QTest::newRow("for and a format") << QStringList{"--for", "email", "-f", "avi", "x.mp4"} << "leave out --format";
        QTest::newRow("for an unknown place") << QStringList{"--for", "fax", "x.mp4"} << "'fax' for --for (one of: discord, email)";
    }
    void badUsageGivesStatus2AndWritesNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QTemporaryDir work;
        const Run run = runCli(arguments, work.path());
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
        QVERIFY(run.err.contains("Usage: tarnwick-cli"));
        QVERIFY(run.out.isEmpty());
        QVERIFY(QDir(work.path()).isEmpty());
    }

    // A copied program folder whose encoder link points nowhere, with and
    // without FFmpeg on the machine: one message that says what is missing
    // and how to get it, status 3, and nothing made: no output folder, no
    // temporary folder, nothing on standard output.
    void brokenEncoderGivesStatus3AndMakesNothing_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("ffmpegOnPath");
        QTest::newRow("one at a time") << QStringList() << true;
        QTest::newRow("two at once, json") << QStringList({"-j", "2", "--json"}) << true;
        QTest::newRow("dry run") << QStringList({"-n"}) << true;
        QTest::newRow("no FFmpeg") << QStringList() << false;
    }
    void brokenEncoderGivesStatus3AndMakesNothing()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, ffmpegOnPath);
        QTemporaryDir root;
        const QString program = root.filePath("tarnwick");
        QVERIFY(QDir().mkpath(program + "/data") && QDir().mkpath(root.filePath("work")) &&
                QDir().mkpath(root.filePath("tmp")));
        QVERIFY(QFile::copy(cli(), program + "/tarnwick-cli"));
        const QString encoder = program + "/data/conv.exe";
        QVERIFY(QFile::link("../../bin/ffmpeg", encoder)); // as installed, but copied elsewhere
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", root.filePath("tmp"));
        if (!ffmpegOnPath)
            environment.insert("PATH", root.filePath("tmp"));

        const Run run = runCli(QStringList{"-o", "out"} + options + QStringList{m_clip, m_clip}, root.filePath("work"),
                               240000, program + "/tarnwick-cli", environment);
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.endsWith('\n') && run.err.count('\n') == 1, qPrintable(run.err));
        QVERIFY2(run.err.startsWith("tarnwick-cli: The encoder is missing, so nothing can be converted. " + encoder +
                                    " is a link to " + root.filePath("bin/ffmpeg") + ", which is not there. "),
                 qPrintable(run.err));
        const QString how = ffmpegOnPath ? "FFmpeg, which is installed as " : "Install it (on Debian and Ubuntu: apt install ffmpeg)";
        QVERIFY2(run.err.contains(how) && run.err.contains("ln -sfn "), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(QDir(root.filePath("work")).isEmpty());
        QVERIFY(QDir(root.filePath("tmp")).isEmpty());
    }

    void helpAndVersion()
    {
        const Run help = runCli({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("Usage: tarnwick-cli [options] SOURCE..."));
        QVERIFY2(help.out.contains("2 bad usage, 3 no\nencoder"), qPrintable(help.out));
        const Run version = runCli({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY(QRegularExpression("^tarnwick-cli \\d+\\.\\d+\\.\\d+\n$").match(version.out).hasMatch());
        const Run formats = runCli({"--list-formats"});
        QVERIFY(formats.out.startsWith("mp4       MP4(High Quality MPEG4 Video)  5000\n"));
    }

    // SIGTERM in the middle of a conversion: status 130, the unfinished
    // output removed, the encoder gone, what was converted kept.
    void terminationMidConversion_data()
    {
        QTest::addColumn<QString>("jobs");
        QTest::newRow("one at a time") << "1";
        QTest::newRow("two at once") << "2";
    }
    void terminationMidConversion()
    {
        QFETCH(QString, jobs);
        const QString longClip = m_dir.filePath("long/long clip.mp4");
        QVERIFY(QFile::exists(longClip) || makeClip(longClip, 120, "640x480"));
        const QString out = m_dir.filePath("stopped" + jobs);
        QProcess process;
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(cli(), {"--json", "-j", jobs, "-f", "mp4-h264", "-o", out, m_clip, longClip});
        QVERIFY(process.waitForStarted());
        QByteArray seen;
        // The short clip done, the long one under way.
        QTRY_VERIFY_WITH_TIMEOUT((seen += process.readAllStandardOutput()).contains("\"index\":1,\"percent\":") &&
                                     seen.contains("\"event\":\"finished\",\"index\":0"),
                                 120000);
        ::kill(pid_t(process.processId()), SIGTERM);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 130);
        const QStringList files = filesBelow(out);
        QCOMPARE(files.size(), 1);
        QVERIFY(QFileInfo(files.first()).fileName().startsWith("clip_"));
        QVERIFY(!processMentioning(out));
    }

    // A kill that cannot be caught, in the middle of a conversion: the
    // kernel ends the encoder with its parent, one lane or two.
    void noEncoderOutlivesAKilledProgram_data() { terminationMidConversion_data(); }
    void noEncoderOutlivesAKilledProgram()
    {
        QFETCH(QString, jobs);
        const QString longClip = m_dir.filePath("long/long clip.mp4");
        QVERIFY(QFile::exists(longClip) || makeClip(longClip, 120, "640x480"));
        const QString out = m_dir.filePath("killed" + jobs);
        QProcess process;
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(cli(), {"--json", "-j", jobs, "-f", "mp4-h264", "-o", out, longClip, longClip});
        QVERIFY(process.waitForStarted());
        QByteArray seen;
        QTRY_VERIFY_WITH_TIMEOUT((seen += process.readAllStandardOutput()).contains("\"percent\":"), 120000);
        QVERIFY(processMentioning(out));
        ::kill(pid_t(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!processMentioning(out), 1000);
    }

    // The README's line for spreading a batch over cores with GNU parallel.
    void gnuParallelLine()
    {
        const QString clips = m_dir.filePath("many");
        for (int i = 0; i < 4; ++i)
            QVERIFY(makeClip(QString("%1/clip%2.mp4").arg(clips).arg(i)));
        QString output;
        const bool ok = runTool("bash", {"-c", "cd \"$1\" && PATH=\"$2:$PATH\" parallel -j2 tarnwick-cli -o out {} ::: *.mp4",
                                         "bash", clips, realProgramFolder()},
                                &output);
        QVERIFY2(ok, qPrintable(output));
        const QStringList files = filesBelow(clips + "/out");
        QCOMPARE(files.size(), 4);
        for (const QString& file : files)
            QCOMPARE(ffprobe(file).videoCodec, QString("mpeg4"));
    }
};

QTEST_GUILESS_MAIN(tst_cli)
#include "tst_cli.moc"
