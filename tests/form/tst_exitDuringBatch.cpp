#include "form/frmMain.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

// Kept apart: once the application is told to exit, no event loop of this
// process runs again.
class tst_exitDuringBatch : public QObject
{
    Q_OBJECT

private slots:
    // The window closes and the application exits in the middle of a
    // conversion: the encoder is stopped, its unfinished file removed, the
    // file converted before is kept, and nothing hangs.
    void exitStopsTheEncoderAndKeepsWhatWasDone()
    {
        QTemporaryDir dir;
        TestWindow w(standinProgramFolder());
        w.form->show();
        w.form->batch().setLanes(lanesUnderTest());
        const QString done = dir.filePath("done.mp4");
        const QString running = dir.filePath("running.mp4");
        QVERIFY(writeFile(done, "#standin\n"));
        QVERIFY(writeFile(running, "#standin\nwrite-early\nprogress 400\nsleep 50\n"));
        w.form->queue().addEntry(done);
        w.form->queue().addEntry(running);
        w.c().txtPath->setText(dir.filePath("out"));
        bool exited = false;
        for (ProcessRunner* runner : conversionRunners(*w.form))
            connect(runner, &ProcessRunner::outputReceived, this, [&](const QString& piece) {
                if (!exited && piece.contains("time=") && w.form->queue().runFront() == running) {
                    exited = true;
                    w.form->close();
                    QCoreApplication::exit(0);
                }
            });
        w.c().Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(exited && w.form->batch().state() == BatchDriver::State::Idle, 30000);
        for (ProcessRunner* runner : conversionRunners(*w.form))
            QVERIFY(!runner->isRunning());
        const QStringList outputs = QDir(dir.filePath("out")).entryList(QDir::Files);
        QCOMPARE(outputs.size(), 1);
        QVERIFY(outputs.first().startsWith("done_"));
    }
};

QTEST_MAIN(tst_exitDuringBatch)
#include "tst_exitDuringBatch.moc"
