// A second start hands its files to the running window, which takes only a
// list of paths from its own user.

#include "desktop/HandOver.h"
#include "form/frmMain.h"
#include "sources/Queue.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QLabel>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QLockFile>
#include <QProcess>
#include <QTest>

#include <unistd.h>

using namespace tarnwick;
using namespace tarnwick::test;

class tst_HandOver : public QObject
{
    Q_OBJECT

private slots:
    void onlyAListOfAbsolutePaths_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QStringList>("paths"); // empty: refused
        QTest::newRow("two paths") << HandOver::message({"/v/a b.mp4", QString::fromUtf8("/v/é")})
                                   << QStringList{"/v/a b.mp4", QString::fromUtf8("/v/é")};
        QTest::newRow("no header") << QByteArray("/v/a.mp4\0", 9) << QStringList();
        QTest::newRow("relative") << HandOver::message({"a.mp4"}) << QStringList();
        QTest::newRow("not UTF-8") << QByteArray("tarnwick-open\n/v/\xff.mp4\0", 23) << QStringList();
        QTest::newRow("cut short") << HandOver::message({"/v/a.mp4"}).chopped(1) << QStringList();
        QTest::newRow("text") << QByteArray("rm -rf /\n") << QStringList();
    }
    void onlyAListOfAbsolutePaths()
    {
        QFETCH(QByteArray, message);
        QFETCH(QStringList, paths);
        const auto parsed = HandOver::parse(message);
        QCOMPARE(parsed.has_value(), !paths.isEmpty());
        if (parsed)
            QCOMPARE(*parsed, paths);
    }

    // The real program started a second time with a file and a folder,
    // while this test holds the lock as the running copy, and starts
    // listening only after the second has started, as a copy still making
    // its window does.
    void secondStartHandsItsFilesOver()
    {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QLockFile lock(runtime.filePath("tarnwick.lock"));
        QVERIFY(lock.tryLock(0));
        TestWindow w;
        HandOver handOver(runtime.filePath("tarnwick.socket"));
        w.form->takeHandOvers(handOver);

        QTemporaryDir dir;
        const QString clip = dir.filePath("clip one.mp4");
        const QString folder = dir.filePath("holiday");
        QVERIFY(writeFile(clip) && writeFile(folder + "/beach.mp4"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess second;
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(dir.path());
        second.start(realProgramFolder() + "/tarnwick", {"clip one.mp4", "holiday"}); // relative, as a shell gives
        QVERIFY(second.waitForStarted());
        QVERIFY(handOver.listen());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(w.form->queue().pending(), QStringList({clip, folder + "/beach.mp4"}), 10000);
        QVERIFY(!w.c().picDoor->isVisible());
    }

    void strangersAreRefused()
    {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        TestWindow w;
        const QString path = runtime.filePath("tarnwick.socket");
        HandOver handOver(path);
        w.form->takeHandOvers(handOver);
        QVERIFY(handOver.listen());
        QSignalSpy refusals(&handOver, &HandOver::refused);
        { // not a list of paths
            QLocalSocket socket;
            socket.connectToServer(path);
            QVERIFY(socket.waitForConnected(3000));
            socket.write("open /etc/passwd please\n");
            socket.flush();
            socket.disconnectFromServer();
        }
        // another user, where this test can be one
        if (::geteuid() == 0 && QFile::exists("/usr/bin/python3")) {
            QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ExeOther);
            QString output;
            const bool sent = runTool("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "/usr/bin/python3", "-c",
                                "import socket,sys\n"
                                "s=socket.socket(socket.AF_UNIX)\n"
                                "s.connect(sys.argv[1])\n"
                                "s.sendall(b'tarnwick-open\\n/tmp/x.mp4\\0')\n",
                                path},
                    &output);
            QVERIFY2(!sent && output.contains("PermissionError"), qPrintable(output)); // the door stays shut
        }
        QTRY_COMPARE_WITH_TIMEOUT(refusals.count(), 1, 5000);
        QCOMPARE(w.form->queue().pending(), QStringList());
    }
};

QTEST_MAIN(tst_HandOver)
#include "tst_HandOver.moc"
