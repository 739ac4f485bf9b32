#include "help/ChmViewerQuery.h"
#include "settings/SettingsFiles.h"
#include "form/Skin.h"
#include "form/frmMain.h"
#include "form/frmOptions.h"
#include "sources/Queue.h"

#include "support/FakeXdgMime.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/TestFiles.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QBitmap>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct Window : TestWindow {
    Window() { form->show(); }
    void check()
    {
        QString why;
        QVERIFY2(done(&why), qPrintable(why));
    }
};

// Mouse events straight to the control: the hot-spots lie outside the
// client area, where a click through the window would not reach them.
void send(QWidget* widget, QEvent::Type type, Qt::MouseButtons buttons = Qt::NoButton)
{
    const QPointF at(2, 2);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
void click(QWidget* widget)
{
    send(widget, QEvent::MouseButtonPress, Qt::LeftButton);
    send(widget, QEvent::MouseButtonRelease);
}
void hover(QWidget* widget)
{
    send(widget, QEvent::MouseMove);
}
bool shows(const QLabel* spot, const QLabel* holder)
{
    return !spot->pixmap().isNull() && spot->pixmap().cacheKey() == holder->pixmap().cacheKey();
}

} // namespace

class tst_frmMainChrome : public QObject
{
    Q_OBJECT

    FakeXdgMime m_xdgMime;

private slots:
    // The desktop these tests stand in has a viewer for help.chm.
    void init()
    {
        m_xdgMime.setChmViewer("xchm.desktop");
        m_xdgMime.setHanging(false);
    }

    // Without a viewer for .chm files the same pages open as HTML; when
    // nothing opens a page, a message says where it is.
    void helpThatOpens()
    {
        m_xdgMime.setChmViewer("");
        {
            Window w;
            const QString index = w.program.path() + "/help/index.html";
            w.form->ShowHelpFile();
            QTRY_COMPARE(w.shell.opened, QStringList{"path:" + index});
            w.check();
        }
        m_xdgMime.setChmViewer("xchm.desktop");
        Window w;
        const QString chm = w.program.path() + "/help.chm";
        const QString index = w.program.path() + "/help/index.html";
        w.shell.refused << "path:" + chm; // named, but it fails
        w.form->ShowHelpFile();
        QTRY_COMPARE(w.shell.opened, QStringList({"path:" + chm, "path:" + index}));

        w.shell.refused << "path:" + index;
        w.messages.expect("Nothing on this desktop opens the help. It is at:\n\n" + index, "Tarnwick",
                          MessageIcon::Information);
        w.form->ShowHelpFile();
        const QString tutorial = "address:file://" + w.program.path() + "/site/tutorial.html";
        w.shell.refused << tutorial;
        w.messages.expect("Nothing on this desktop opens the tutorial. It is at:\n\n" + tutorial.mid(8), "Tarnwick",
                          MessageIcon::Information);
        w.form->ShowTutorialPage();
        w.check();
    }

    // A desktop that never answers which program opens help.chm: clicks on
    // Help return at once, the HTML help opens once when the question times
    // out, and the answer is kept: the next click opens at once, unasked.
    void helpNeverWaitsForTheDesktop()
    {
        m_xdgMime.setHanging(true);
        const int asked = m_xdgMime.calls();
        Window w;
        const QString index = "path:" + w.program.path() + "/help/index.html";
        QElapsedTimer clicks;
        clicks.start();
        for (int i = 0; i < 3; ++i)
            click(w.c().imgHelp);
        QVERIFY2(clicks.elapsed() < ChmViewerQuery::kAnswerTimeoutMs / 2, qPrintable(QString::number(clicks.elapsed())));
        QVERIFY(w.shell.opened.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(w.shell.opened, QStringList{index}, 3 * ChmViewerQuery::kAnswerTimeoutMs);
        QCOMPARE(m_xdgMime.calls() - asked, 2); // the two names of the type, asked once
        w.form->ShowHelpFile();
        QCOMPARE(w.shell.opened, QStringList({index, index}));
        QCOMPARE(m_xdgMime.calls() - asked, 2);
        w.check();
    }

    void toolbarHotSpots()
    {
        Window w;
        w.dialogs.answerOpen("/v/a.mp4");
        w.dialogs.answerFolder(std::nullopt);
        click(w.c().imgToolbar.at(0)); // AddaFile
        QCOMPARE(w.form->queue().displayCount(), 1);
        w.c().LV->setCurrentIndex(w.c().LV->model()->index(0, 0));
        click(w.c().imgToolbar.at(1)); // RemoveSelected
        QCOMPARE(w.form->queue().displayCount(), 0);
        click(w.c().imgToolbar.at(3)); // help file
        QTRY_COMPARE(w.shell.opened, QStringList{"path:" + w.program.path() + "/help.chm"});
        click(w.c().imgToolbar.at(5)); // nothing
        click(w.c().imgToolbar.at(6)); // AddaFolder, cancelled
        QCOMPARE(w.dialogs.folderPrompts, QStringList{"Select a folder:"});
        QVERIFY(w.c().picDoor->isVisible()); // hot-spots leave the cover alone
        w.check();
    }

    void optionsAndExitFromTheToolbar()
    {
        Window w;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            if (auto* dialog = w.form->findChild<frmOptions*>()) {
                modal = dialog->isModal();
                dialog->reject();
            }
        });
        click(w.c().imgToolbar.at(2));
        QVERIFY(modal);
        click(w.c().imgToolbar.at(4)); // Exit
        QVERIFY(!w.form->isVisible());
        QVERIFY(QFile::exists(w.program.filePath("setup.ini")));
    }

    void toolbarButtonsHideTheCoverFirst_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("0") << 0 << "Add a File";
        QTest::newRow("1") << 1 << "Add Files from a Folder";
        QTest::newRow("2") << 2 << "Remove the Selected from List";
        QTest::newRow("3") << 3 << "Help";
        QTest::newRow("5") << 5 << "Remove All Files";
    }
    void toolbarButtonsHideTheCoverFirst()
    {
        QFETCH(int, index);
        QFETCH(QString, tooltip);
        Window w;
        QToolButton* button = w.c().CmdToolsBar.at(index);
        QCOMPARE(button->toolTip(), tooltip);
        if (index == 0)
            w.dialogs.answerOpen(std::nullopt);
        if (index == 1)
            w.dialogs.answerFolder(std::nullopt);
        button->click();
        QVERIFY(!w.c().picDoor->isVisible());
        if (index == 3)
            QCOMPARE(w.shell.opened, QStringList{"address:file://" + w.program.path() + "/site/tutorial.html"});
        w.check();
    }

    void captionedToolbarButtonsAreReachableByTab()
    {
        Window w;
        QCOMPARE(w.c().CmdToolsBar.at(3)->text(), QString("Help"));
        QCOMPARE(w.c().CmdToolsBar.at(4)->text(), QString("Setting"));
        for (int i : {3, 4}) {
            QVERIFY(w.c().CmdToolsBar.at(i)->focusPolicy() & Qt::TabFocus);
            QVERIFY(w.c().CmdToolsBar.at(i)->x() >= frmMain::kClientWidth); // out of sight
        }
    }

    void singleControls()
    {
        Window w;
        w.messages.expect("Please add a file.", "Add", MessageIcon::Exclamation);
        click(w.c().imgStart);
        w.messages.expect("Please add a file.", "Add", MessageIcon::Exclamation);
        click(w.c().imgConvert);
        w.messages.expect("Please add a file.", "Add", MessageIcon::Exclamation);
        w.c().Command3->click();
        QVERIFY(w.c().cmbOF1->isEnabled());
        w.messages.expect("Please select a DVD Drive", "DVD", MessageIcon::None);
        w.c().cmdLoad->click();
        QVERIFY(!w.c().picDoor->isVisible());

        w.dialogs.answerFolder(QString("/out/a"));
        w.dialogs.answerFolder(QString("/out/b"));
        w.dialogs.answerFolder(QString("/out/c"));
        w.c().cmdBrowse->click();
        QCOMPARE(w.c().txtPath->text(), QString("/out/a"));
        click(w.c().imgBrowse);
        QCOMPARE(w.c().txtPath->text(), QString("/out/b"));
        click(w.c().txtPath);
        QCOMPARE(w.c().txtPath->text(), QString("/out/c"));

        w.dialogs.answerOpen("/v/a.avi");
        click(w.c().imgAdd);
        w.c().LV->setCurrentIndex(w.c().LV->model()->index(0, 0));
        click(w.c().imgRemove);
        QCOMPARE(w.form->queue().displayCount(), 0);

        click(w.c().imgHelp);
        QTRY_COMPARE(w.shell.opened.size(), 1);
        click(w.c().lblFeed);
        click(w.c().lblWeb);
        QCOMPARE(w.shell.opened,
                 QStringList({"path:" + w.program.path() + "/help.chm",
                              "address:mailto:feedback@tarnwick.example?subject=Feedback/Bug Report",
                              "address:https://www.tarnwick.example/"}));
        QCOMPARE(w.c().lblFeed->toolTip(), QString("Send us your suggestion or question"));
        QCOMPARE(w.form->batch().armingTimer().interval(), 100);
        QVERIFY(w.form->batch().armingTimer().isSingleShot());
        w.check();
    }

    void hotSpotPictures()
    {
        Window w;
        Skin& skin = w.form->skin();
        const MainWidgets& c = w.c();
        hover(c.imgToolbar.at(2));
        QVERIFY(shows(c.imgToolbar.at(2), skin.imgButtonData.at(2)));
        hover(c.imgToolbar.at(3)); // straight from 2 to 3
        QVERIFY(c.imgToolbar.at(2)->pixmap().isNull());
        QVERIFY(shows(c.imgToolbar.at(3), skin.imgButtonData.at(3)));
        send(c.imgToolbar.at(3), QEvent::MouseButtonPress, Qt::LeftButton);
        QVERIFY(c.imgToolbar.at(3)->pixmap().isNull());

        hover(c.imgBrowse);
        QVERIFY(shows(c.imgBrowse, skin.imgBrowseLight));
        send(c.imgBrowse, QEvent::MouseButtonPress, Qt::LeftButton); // pressed, not released
        QVERIFY(shows(c.imgBrowse, skin.imgBrowseDark));
        hover(c.imgConvert);
        QVERIFY(shows(c.imgConvert, skin.imgConvertData));
        hover(c.lblFeed);
        QVERIFY(c.lblFeed->font().bold());

        const QPoint bare(300, 2); // right of the drive caption: no control there
        QVERIFY(!w.form->childAt(bare));
        QMouseEvent move(QEvent::MouseMove, bare, w.form->mapToGlobal(QPointF(bare)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w.form.get(), &move);
        QVERIFY(c.imgBrowse->pixmap().isNull());
        QVERIFY(c.imgConvert->pixmap().isNull());
        QVERIFY(!c.lblFeed->font().bold());

        hover(c.imgMin);
        QVERIFY(shows(c.imgMin, skin.imgMinLight));
        click(c.imgMin);
        QVERIFY(w.form->isMinimized() || (w.form->windowState() & Qt::WindowMinimized));
        QVERIFY(c.imgMin->pixmap().isNull());
        w.form->showNormal();
        QVERIFY(c.imgMin->pixmap().isNull());
    }

    void handPointer()
    {
        Window w;
        const QCursor hand = w.c().imgExit->cursor();
        QCOMPARE(hand.hotSpot(), QPoint(6, 0));
        QCOMPARE(hand.bitmap().size(), QSize(32, 32));
        for (QWidget* pointed : {static_cast<QWidget*>(w.c().imgHelp), static_cast<QWidget*>(w.c().imgMin),
                                 static_cast<QWidget*>(w.c().lblFeed), static_cast<QWidget*>(w.c().lblWeb)})
            QCOMPARE(pointed->cursor().hotSpot(), QPoint(6, 0));
        QCOMPARE(w.c().imgAdd->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w.c().picDoor->cursor().shape(), Qt::ArrowCursor);
    }

    void layout()
    {
        Window w;
        QCOMPARE(w.form->size(), QSize(566, 470));
        QCOMPARE(w.c().LV->geometry(), QRect(4, 88, 555, 204));
        QCOMPARE(w.c().Command3->geometry(), QRect(404, 390, 153, 55));
        QCOMPARE(w.c().picDoor->geometry(), QRect(0, 50, 563, 398));
        QCOMPARE(w.c().LV->model()->headerData(1, Qt::Horizontal).toString(), QString("Format"));
        for (QWidget* hidden : {static_cast<QWidget*>(w.c().picDrag), static_cast<QWidget*>(w.c().cmbRotate),
                                static_cast<QWidget*>(w.c().imgPB), static_cast<QWidget*>(w.c().imgToolbar.at(0))})
            QVERIFY(hidden->x() >= frmMain::kClientWidth);
    }
};

QTEST_MAIN(tst_frmMainChrome)
#include "tst_frmMainChrome.moc"
