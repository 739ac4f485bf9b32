// Bad input and faults through the window's own paths, converted by Debian's
// FFmpeg: each bad case gets its own clear result, every other file of the
// batch is converted, and nothing outside the output and temporary folders
// changes.
#include "job/OutputNames.h"
#include "engine/TemporaryFolder.h"
#include "form/frmMain.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"
#include "sources/SourceCommands.h"

#include "support/Media.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QComboBox>
#include <QDirIterator>
#include <QMimeData>
#include <QScopeGuard>
#include <QUrl>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// Every entry below a folder with its size and time, to see that nothing
// changed.
QStringList snapshot(const QString& folder)
{
    QStringList all;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        all << QStringLiteral("%1=%2@%3").arg(it.filePath()).arg(it.fileInfo().size())
                   .arg(it.fileInfo().lastModified().toMSecsSinceEpoch());
    }
    all.sort();
    return all;
}

// A file whose name is the given bytes, which need not be valid UTF-8.
bool writeRawName(const QByteArray& path, const QByteArray& content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    return ::close(fd) == 0 && written;
}

// Kills this process's child that runs the named program, as a crash or
// the system's out-of-memory killer would.
bool killChildNamed(const QByteArray& name)
{
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString& pid : pids) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const qsizetype open = line.indexOf('('), close = line.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        const QList<QByteArray> rest = line.mid(close + 2).split(' ');
        if (line.mid(open + 1, close - open - 1) == name && rest.size() > 1 && rest[1].toInt() == getpid())
            return ::kill(pid.toInt(), SIGKILL) == 0;
    }
    return false;
}

// Makes a folder refuse new files, even to an administrator where the file
// system lets us (an immutable folder); false when nothing would refuse.
bool makeUnwritable(const QString& folder)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return true;
    return runTool(QStringLiteral("chattr"), {QStringLiteral("+i"), folder});
}

void makeWritable(const QString& folder)
{
    runTool(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

struct Campaign : TestWindow {
    QTemporaryDir root;
    QString out;

    explicit Campaign(const QString& programFolder = realProgramFolder())
        : TestWindow(programFolder), out(root.filePath("out"))
    {
        form->show();
        form->presets().visibleFormat.select(0);
        form->rotation().choices.select(5);
    }
    void dropFiles(const QStringList& paths)
    {
        const auto data = localFilesMime(paths);
        QCOMPARE(drop(c().LV->viewport(), *data), Qt::CopyAction);
    }
    void convert(const QString& outputFolder)
    {
        c().txtPath->setText(outputFolder);
        c().Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(form->batch().state() == BatchDriver::State::Idle, 240000);
    }
    const ConversionResult* result(const QString& source) const
    {
        for (const ConversionResult& r : form->batch().results())
            if (r.source == source)
                return &r;
        return nullptr;
    }
    QStringList outputs() const { return QDir(out).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace

class tst_frmMainHostile : public QObject
{
    Q_OBJECT

private slots:
    void badSourcesFailAloneAndTouchNothingElse()
    {
        Campaign w;
        const QString sources = w.root.filePath("sources");
        const QString good = sources + "/good clip.mp4";
        QVERIFY(makeClip(good));
        const QString quoted = sources + "/say \"cheese\".mp4";
        const QString dash = sources + "/-y.mp4";
        const QString newline = sources + "/two\nlines.mp4";
        const QString deep = sources + '/' + QStringList(12, QString(200, u'd')).join(u'/');
        const QString longName = deep + '/' + QString(250, u'v') + ".mp4";
        QVERIFY(longName.size() > 2700);
        for (const QString& copy : {quoted, dash, newline, longName})
            QVERIFY(QDir().mkpath(QFileInfo(copy).absolutePath()) && QFile::copy(good, copy));
        QFile whole(good);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray clip = whole.readAll();

        const QString text = sources + "/notes.txt";
        QVERIFY(writeFile(text, "not a video at all\n"));
        const QString empty = sources + "/empty.mp4";
        QVERIFY(writeFile(empty, QByteArray()));
        const QString truncated = sources + "/VTS_01_1.VOB";
        QVERIFY(writeFile(truncated, clip.left(600)));
        const QString gone = sources + "/gone.mp4";
        QVERIFY(writeFile(gone, clip));
        const QString folder = sources + "/a folder";
        QVERIFY(makeClip(folder + "/inside.mp4"));
        // A name that is not UTF-8 has no spelling in the program that opens
        // the file again: both the folder search and a drop say so.
        const QString odd = w.root.filePath("odd");
        QVERIFY(QDir().mkpath(odd));
        const QByteArray latin1 = QFile::encodeName(odd) + "/latin1 caf\xe9.mp4";
        QVERIFY(writeRawName(latin1, clip));
        const auto unlinkLatin1 = qScopeGuard([&] { ::unlink(latin1.constData()); });

        // The dropped folder is searched: its clip converts in its place.
        const QStringList fine{good, quoted, dash, newline, folder + "/inside.mp4", longName};
        w.messages.expect("1 file was not added: its name is not valid UTF-8.", "Tarnwick", MessageIcon::Exclamation);
        w.messages.expect("1 file was not added: its name is not valid UTF-8.", "Tarnwick", MessageIcon::Exclamation);
        w.dialogs.answerFolder(odd);
        w.c().CmdToolsBar.at(1)->click();
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(good),
                         QUrl::fromEncoded("file://" + latin1.toPercentEncoding("/")), QUrl::fromLocalFile(empty)});
        QCOMPARE(drop(w.c().LV->viewport(), dropped), Qt::CopyAction);
        w.dropFiles({quoted, truncated, dash, gone, newline, folder, longName});
        QCOMPARE(w.form->queue().pending().size(), 10);
        QVERIFY(QFile::remove(gone)); // queued, then deleted
        const QStringList before = snapshot(sources) + snapshot(odd);

        w.convert(w.out);

        QCOMPARE(w.form->batch().results().size(), 10);
        for (const ConversionResult& r : w.form->batch().results()) {
            const bool expectedOk = fine.contains(r.source);
            QVERIFY2(r.ok == expectedOk, qPrintable(r.source.right(60) + ": " + r.error));
            if (r.ok)
                QVERIFY(QFileInfo(r.output).size() > 0);
            else
                QVERIFY(!r.error.isEmpty() && !QFile::exists(r.output));
        }
        QVERIFY(w.result(gone)->error.endsWith("No such file or directory"));
        const QString cut = QFileInfo(w.result(longName)->output).fileName();
        QVERIFY2(cut.startsWith(QString(240, u'v')) && fitsNameLimit(cut), qPrintable(cut));
        QCOMPARE(w.outputs().size(), fine.size());
        QCOMPARE(snapshot(sources) + snapshot(odd), before);
        QCOMPARE(w.messages.shown().size(), 3); // then one list of the failures
        QVERIFY(w.messages.shown().last().text.startsWith("4 files could not be converted:\n\n"));
        QCOMPARE(w.c().lblPB->text(), QString("Done."));
        QCOMPARE(w.form->queue().displayCount(), 10); // the queue is shown again
    }

    void unusableOutputFolderConvertsNothingAndKeepsTheQueue_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("cannot be created") << false;
        QTest::newRow("read-only") << true;
    }
    void unusableOutputFolderConvertsNothingAndKeepsTheQueue()
    {
        QFETCH(bool, readOnly);
        Campaign w;
        const QString source = w.root.filePath("clip.mp4");
        QVERIFY(makeClip(source));
        QString target;
        if (readOnly) {
            QVERIFY(QDir().mkpath(w.out));
            if (!makeUnwritable(w.out))
                QSKIP("nothing here can make a folder refuse new files");
            target = w.out;
        } else {
            QVERIFY(writeFile(w.root.filePath("a file"), "x"));
            target = w.root.filePath("a file/out");
        }
        const QStringList before = snapshot(w.root.path());
        w.dropFiles({source});
        w.convert(target);
        if (readOnly)
            makeWritable(w.out);
        QCOMPARE(w.messages.shown().size(), 1);
        const QString message = w.messages.shown().first().text;
        QVERIFY2(message.startsWith(readOnly ? "The output folder cannot be written:\n\n"
                                             : "The output folder could not be created:\n\n"),
                 qPrintable(message));
        QVERIFY(message.contains(target));
        QCOMPARE(snapshot(w.root.path()), before);
        QCOMPARE(w.form->queue().pending(), QStringList{source});
        QVERIFY(w.c().lblPB->text() != "Done.");
        QVERIFY(w.c().Command3->isEnabled());
    }

    void killedEncoderFailsThatFileOnly()
    {
        Campaign w;
        const QString first = w.root.filePath("first.mp4");
        const QString longer = w.root.filePath("longer.mp4");
        const QString last = w.root.filePath("last.mp4");
        QVERIFY(makeClip(first));
        QVERIFY(makeClip(longer, 60, "640x480"));
        QVERIFY(makeClip(last));
        bool killed = false;
        connect(&w.form->objDOS(), &ProcessRunner::outputReceived, this, [&](const QString& piece) {
            if (!killed && piece.contains("time=") && w.form->objDOS().commandLine().contains("longer"))
                killed = killChildNamed("conv.exe");
        });
        w.dropFiles({first, longer, last});
        w.convert(w.out);
        QVERIFY(killed);
        QVERIFY(w.result(first)->ok && w.result(last)->ok);
        QCOMPARE(w.result(longer)->error, QString("The encoder stopped unexpectedly."));
        QCOMPARE(w.outputs().size(), 2); // the unfinished file is gone
        QCOMPARE(w.messages.shown().size(), 1);
        // The message names the file's log, which holds what the encoder said.
        const QString log = w.result(longer)->log;
        QCOMPARE(w.messages.shown().first().text, "1 file could not be converted:\n\n" + longer +
                                                      "\n    The encoder stopped unexpectedly.\n    log: " + log);
        QFile kept(log);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray text = kept.readAll();
        QVERIFY(text.contains("outcome:    The encoder stopped unexpectedly."));
        QVERIFY(text.contains(("/data/conv.exe -i \"" + longer + "\"\n").toUtf8()) && text.contains("time="));
    }

    // A copied program folder whose encoder link points nowhere: one
    // message names what is missing, and Start makes nothing.
    void brokenEncoderLinkIsSaidOnce()
    {
        QTemporaryDir program;
        QVERIFY(QDir().mkpath(program.filePath("data")));
        QVERIFY(QFile::link("../../../bin/ffmpeg-gone", program.filePath("data/conv.exe")));
        DeleteFolderTree(temporaryFolderPath());
        Campaign w(program.path());
        const QString a = w.root.filePath("a.mp4");
        const QString b = w.root.filePath("b.mp4");
        QVERIFY(writeFile(a, "x") && writeFile(b, "x"));
        w.dropFiles({a, b});
        w.convert(w.out);
        QCOMPARE(w.messages.shown().size(), 1);
        const QString said = w.messages.shown().first().text;
        QVERIFY2(said.startsWith("The encoder is missing, so nothing can be converted.\n\n" +
                                 program.filePath("data/conv.exe") + " is a link to "),
                 qPrintable(said));
        QVERIFY2(said.contains("ffmpeg-gone, which is not there.\n\nTarnwick converts with FFmpeg"), qPrintable(said));
        QVERIFY(!QFileInfo::exists(w.out));
        QVERIFY(!QFileInfo::exists(temporaryFolderPath()));
        QCOMPARE(w.form->queue().pending(), QStringList({a, b}));
        QCOMPARE(w.c().Command3->text(), QString("Start Ripping Now!"));
        QVERIFY(w.c().Command3->isEnabled() && w.c().cmbOF1->isEnabled() && w.c().LV->isEnabled());
        QCOMPARE(w.c().lblPB->text(), QString("0%")); // no "Done." for a batch that did not run
    }
};

QTEST_MAIN(tst_frmMainHostile)
#include "tst_frmMainHostile.moc"
