// The window's start after a batch was killed, as a user meets it: the
// question, the queue it fills (time ranges and all), the start button that
// finishes the batch.
// The killed batch is this test's own executable in a mode of its own, taken
// down with SIGKILL in the middle of a file, so what the restart finds is
// what a real kill leaves.

#include "form/TimeRangeDialog.h"
#include "form/frmMain.h"
#include "job/TimeRange.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>

#include <csignal>
#include <unistd.h>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QString journalPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           "/batch.journal";
}

QStringList batchSources(const QString& folder)
{
    return {folder + "/a.mp4", folder + "/slow.mp4", folder + "/c.mp4"};
}

// The first run: three files dropped, Start pressed, and the program killed
// while the second is half written. `ranged`: the second and third given
// time ranges first, in the dialog of their rows' menu.
int killedBatch(const QString& folder, bool ranged)
{
    TestWindow w(standinProgramFolder());
    w.form->show();
    const QStringList sources = batchSources(folder);
    drop(w.c().picDoor, *localFilesMime(sources));
    w.c().txtPath->setText(folder + "/out");
    for (int row = 1; ranged && row < 3; ++row) {
        w.c().LV->setCurrentIndex(w.c().LV->model()->index(row, 0));
        w.dialogs.answerTimeRange(TimeRangeAnswer{row == 1 ? "0.5" : "", "1:30"});
        w.form->timeRangeAction()->trigger();
    }
    QObject::connect(&w.form->objDOS(), &ProcessRunner::outputReceived, w.form.get(),
                     [&](const QString& piece) {
                         if (piece.contains("time=") && w.form->queue().runFront() == sources.at(1))
                             ::kill(::getpid(), SIGKILL);
                     });
    w.c().Command3->click();
    QTimer::singleShot(60000, [] { QCoreApplication::exit(2); });
    return QCoreApplication::exec();
}

QStringList rows(const QTreeView* list)
{
    QStringList shown;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        shown << list->model()->index(row, 0).data().toString();
    return shown;
}

} // namespace

class tst_frmMainRestart : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(journalPath()); }

    void killedBatchIsFinishedAfterTheRestart()
    {
        QTemporaryDir dir;
        const QStringList sources = batchSources(dir.path());
        QVERIFY(writeFile(sources.at(0), "#standin\n"));
        QVERIFY(writeFile(sources.at(1), "#standin\nwrite-early\nprogress 50\nsleep 20\n"));
        QVERIFY(writeFile(sources.at(2), "#standin\n"));
        QProcess first;
        first.start(QCoreApplication::applicationFilePath(), {"--killed-batch", dir.path()});
        QVERIFY(first.waitForFinished(60000));
        QCOMPARE(first.exitStatus(), QProcess::CrashExit);
        const QDir out(dir.filePath("out"));
        QCOMPARE(out.entryList(QDir::Files).size(), 2); // a converted, slow half written
        QVERIFY(QFile::exists(journalPath()));

        TestWindow w(standinProgramFolder());
        w.form->show();
        w.messages.expectQuestion(
            "The last batch was interrupted with 2 files left. Queue them again?", "Tarnwick",
            true);
        w.form->startWith({});
        QVERIFY(!w.c().picDoor->isVisible());
        QVERIFY(w.c().LV->isVisible());
        QCOMPARE(rows(w.c().LV), sources.mid(1));
        QCOMPARE(out.entryList(QDir::Files).size(), 1); // the half-written file is gone

        // What the user finds under the pointer where the start button is.
        QWidget* atStart = w.form->childAt(w.c().Command3->geometry().center());
        QCOMPARE(atStart, static_cast<QWidget*>(w.c().Command3));
        QTest::mouseClick(atStart, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w.c().lblPB->text(), QString("Done."), 30000);
        QStringList outputs = out.entryList(QDir::Files);
        QCOMPARE(outputs.size(), 3);
        for (const char* base : {"a_", "slow_", "c_"})
            QVERIFY2(
                !outputs.filter(QRegularExpression(QString("^%1\\d+\\.mp4$").arg(base))).isEmpty(),
                qPrintable(outputs.join(u' ')));
        QString why;
        QVERIFY2(w.done(&why), qPrintable(why));
    }

    // The ranges chosen in the rows' menu are in the rows, and still there
    // after the restart, and the batch that finishes converts them.
    void timeRangesOutliveTheRestart()
    {
        QTemporaryDir dir;
        const QStringList sources = batchSources(dir.path());
        QVERIFY(writeFile(sources.at(0), "#standin\n"));
        QVERIFY(writeFile(sources.at(1), "#standin\nwrite-early\nprogress 50\nsleep 20\n"));
        QVERIFY(writeFile(sources.at(2), "#standin\n"));
        QProcess first;
        first.start(QCoreApplication::applicationFilePath(), {"--killed-ranged-batch", dir.path()});
        QVERIFY(first.waitForFinished(60000));
        QCOMPARE(first.exitStatus(), QProcess::CrashExit);

        TestWindow w(standinProgramFolder());
        w.form->show();
        w.messages.expectQuestion(
            "The last batch was interrupted with 2 files left. Queue them again?", "Tarnwick", true);
        w.form->startWith({});
        QCOMPARE(rows(w.c().LV),
                 QStringList({sources.at(1) + "   (0:00.5 to 1:30)", sources.at(2) + "   (up to 1:30)"}));

        // Over a row the menu offers its time range; anywhere else not.
        const QModelIndex row = w.c().LV->model()->index(1, 0);
        emit w.c().LV->customContextMenuRequested(w.c().LV->visualRect(row).center());
        QVERIFY(w.form->commandMenu()->isVisible() && w.form->timeRangeAction()->isVisible());
        w.form->commandMenu()->hide();
        // The second file given a start past its two seconds, asked with what it had.
        w.dialogs.answerTimeRange(TimeRangeAnswer{"5", ""});
        w.form->timeRangeAction()->trigger();
        QCOMPARE(w.dialogs.rangeRequests.constLast().end, QString("1:30"));
        QCOMPARE(rows(w.c().LV).at(1), sources.at(2) + "   (from 0:05)");
        QContextMenuEvent background(QContextMenuEvent::Mouse, {300, 10}, w.form->mapToGlobal(QPoint(300, 10)));
        QApplication::sendEvent(w.form.get(), &background);
        QTRY_VERIFY(w.form->commandMenu()->isVisible());
        QVERIFY(!w.form->timeRangeAction()->isVisible());
        w.form->commandMenu()->hide();

        // That file fails, and only that one.
        const QString calls = dir.filePath("calls");
        qputenv("STANDIN_LOG", calls.toLocal8Bit());
        w.c().Command3->click();
        QTRY_COMPARE_WITH_TIMEOUT(w.c().lblPB->text(), QString("Done."), 30000);
        qunsetenv("STANDIN_LOG");
        QFile log(calls);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString said = QString::fromUtf8(log.readAll());
        QVERIFY2(said.contains("-ss\t0.5\t-i\t" + sources.at(1) + "\t-t\t89.5\t"), qPrintable(said));
        QVERIFY2(!said.contains("-ss\t5\t"), qPrintable(said));
        QCOMPARE(w.form->batch().results().size(), 2);
        QVERIFY(w.form->batch().results().at(0).ok);
        QVERIFY2(w.messages.shown().constLast().text.startsWith(
                     "1 file could not be converted:\n\n" + sources.at(2) +
                     "\n    the time range starts at 0:05, but the video is only 0:02 long"),
                 qPrintable(w.messages.shown().constLast().text));
        QVERIFY2(w.dialogs.done(), qPrintable(w.dialogs.report()));
    }

    // The dialog itself: OK only for times that can be kept, and why not.
    void theDialogTakesTimesItCanRead()
    {
        TimeRangeDialog dialog({"/v/a.mp4", "1:30", "",
                                [](const QString& start, const QString& end) { return parseRange(start, end).error; }});
        auto* end = dialog.findChild<QLineEdit*>("txtEnd");
        auto* problem = dialog.findChild<QLabel*>("lblProblem");
        QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        dialog.show();
        QVERIFY(ok->isEnabled() && !problem->isVisible());
        QTest::keyClicks(end, "1:00");
        QVERIFY(!ok->isEnabled() && problem->isVisible());
        QCOMPARE(problem->text(), QString("The end must come after the start."));
        end->setText("2:00.5");
        QVERIFY(ok->isEnabled() && !problem->isVisible());
        QCOMPARE(dialog.answer(), (TimeRangeAnswer{"1:30", "2:00.5"}));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--killed-batch") == 0)
        return killedBatch(QString::fromLocal8Bit(argv[2]), false);
    if (argc == 3 && qstrcmp(argv[1], "--killed-ranged-batch") == 0)
        return killedBatch(QString::fromLocal8Bit(argv[2]), true);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_frmMainRestart test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmMainRestart.moc"
