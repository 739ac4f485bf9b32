#include "form/frmMain.h"
#include "sources/Queue.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct Window : TestWindow {
    Window() : TestWindow(standinProgramFolder()) { form->show(); }
};

} // namespace

class tst_frmMainSources : public QObject
{
    Q_OBJECT

private slots:
    void dropsOnEveryTarget()
    {
        Window w;
        const MainWidgets& c = w.c();
        QVERIFY(c.picText->isVisible());
        const auto three = localFilesMime({"/v/a.mp4", "/v/b.avi", "/v/c.VOB"});
        QCOMPARE(drop(c.LV->viewport(), *three), Qt::CopyAction);
        QCOMPARE(w.form->queue().pending(), QStringList({"/v/a.mp4", "/v/b.avi", "/v/c.VOB"}));
        QVERIFY(!c.picText->isVisible());
        QCOMPARE(c.LV->model()->index(1, 1).data().toString(), QString("AVI"));
        QCOMPARE(c.LV->model()->headerData(0, Qt::Horizontal).toString(), QString("Filename"));

        const auto one = localFilesMime({"/v/d.m2ts"});
        QCOMPARE(drop(c.picDrag, *one), Qt::CopyAction);
        QCOMPARE(w.form->queue().displayTag(3), QString("2TS"));

        QMimeData text;
        text.setText("not a file");
        QVERIFY(c.picDoor->isVisible());
        QCOMPARE(drop(c.picDoor, text), Qt::CopyAction);
        QVERIFY(!c.picDoor->isVisible());
        QCOMPARE(w.form->queue().displayCount(), 4);
        QVERIFY2(w.messages.done(), qPrintable(w.messages.problems()));
    }

    void toolbarHidesTheDoorBeforeEmptyingTheQueue()
    {
        Window w;
        const MainWidgets& c = w.c();
        w.form->queue().addEntry("/v/a.mp4");
        QVERIFY(c.picDoor->isVisible());
        c.CmdToolsBar.at(5)->click();
        QVERIFY(!c.picDoor->isVisible());
        QCOMPARE(w.form->queue().displayCount(), 0);
        QVERIFY(c.picText->isVisible());
    }

    void cancelledBrowserKeepsTheOutputFolder()
    {
        Window w;
        const MainWidgets& c = w.c();
        w.dialogs.answerFolder(QString("/media/out"));
        w.dialogs.answerFolder(std::nullopt);
        c.cmdBrowse->click();
        QCOMPARE(c.txtPath->text(), QString("/media/out"));
        QTest::mouseClick(c.txtPath, Qt::LeftButton);
        QCOMPARE(c.txtPath->text(), QString("/media/out"));
        QVERIFY2(w.dialogs.done(), qPrintable(w.dialogs.report()));
    }

    void selectedRowIsRemoved()
    {
        Window w;
        const MainWidgets& c = w.c();
        for (const char* p : {"/a.mp4", "/b.mp4", "/c.mp4"})
            w.form->queue().addEntry(p);
        c.LV->setCurrentIndex(c.LV->model()->index(1, 0));
        c.CmdToolsBar.at(2)->click();
        QCOMPARE(w.form->queue().allEntries(), QStringList({"/a.mp4", "/c.mp4"}));
    }
};

QTEST_MAIN(tst_frmMainSources)
#include "tst_frmMainSources.moc"
