// SIGTERM in the middle of a conversion, through the real window and
// Debian's FFmpeg: the program ends as Exit ends it. Kept apart: once the
// application is told to exit, no event loop of this process runs again.

#include "engine/TemporaryFolder.h"
#include "process/SignalExit.h"
#include "form/frmMain.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"

#include "support/Media.h"
#include "support/Processes.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <csignal>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {
QByteArray digest(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class tst_terminationDuringBatch : public QObject
{
    Q_OBJECT

private slots:
    void sigtermEndsTheProgramAsExitDoes()
    {
        QTemporaryDir dir;
        const QString done = dir.filePath("done.mp4");
        const QString running = dir.filePath("running clip.mp4");
        QVERIFY(makeClip(done));
        QVERIFY(makeClip(running, 120, "640x480"));
        const QString out = dir.filePath("out");

        TestWindow w(realProgramFolder());
        SignalExit termination;
        w.form->closeOnTermination(termination);
        w.form->show();
        w.form->batch().setLanes(lanesUnderTest());
        w.form->queue().addEntry(done);
        w.form->queue().addEntry(running);
        w.c().txtPath->setText(out);
        QByteArray before;
        bool sent = false;
        for (ProcessRunner* runner : conversionRunners(*w.form))
            connect(runner, &ProcessRunner::outputReceived, this, [&](const QString& piece) {
                if (!sent && piece.contains("time=") && w.form->queue().runFront() == running) {
                    sent = true;
                    before = digest(QDir(out).entryInfoList(QDir::Files).value(0).filePath());
                    ::raise(SIGTERM);
                }
            });
        w.c().Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(sent, 120000);
        // Within five seconds of the signal, whatever the encoder was doing.
        QTRY_VERIFY_WITH_TIMEOUT(termination.caught() && !w.form->isVisible() &&
                                     w.form->batch().state() == BatchDriver::State::Idle,
                                 5000);
        for (ProcessRunner* runner : conversionRunners(*w.form))
            QVERIFY(!runner->isRunning());
        QVERIFY(!processMentioning(out));
        const QFileInfoList outputs = QDir(out).entryInfoList(QDir::Files);
        QCOMPARE(outputs.size(), 1); // no partial second file
        QVERIFY(outputs.first().fileName().startsWith("done_"));
        QCOMPARE(digest(outputs.first().filePath()), before);
        QVERIFY(QFile::exists(w.program.filePath("setup.ini")));
        QVERIFY(!QFileInfo::exists(temporaryFolderPath()));
    }
};

QTEST_MAIN(tst_terminationDuringBatch)
#include "tst_terminationDuringBatch.moc"
