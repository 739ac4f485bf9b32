// Every command of the window within reach: its shortcut and its entry in
// the command menu both reach it, the menus come up where the user right
// clicks, and the keyboard and a screen reader find their way.

#include "form/frmMain.h"
#include "form/frmOptions.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"

#include "support/FakeXdgMime.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include "form/MadeForMenu.h"
#include "form/RateMenu.h"
#include "settings/ProgramSettings.h"

#include <QAccessible>
#include <QAction>
#include <QSettings>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <functional>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct Window : TestWindow {
    explicit Window(const QString& encoderFolder = QString()) : TestWindow(encoderFolder)
    {
        form->show();
        form->activateWindow();
    }
};

// The effect each command has on a window with one queued file, and what it
// asks of the desktop on the way.
struct Expectation {
    std::function<void(Window&)> prepare;
    std::function<bool(Window&)> happened;
};

} // namespace

Q_DECLARE_METATYPE(frmMain::Command)

class tst_frmMainCommands : public QObject
{
    Q_OBJECT

    FakeXdgMime m_xdgMime;

    static Expectation expectation(frmMain::Command command)
    {
        const auto opened = [](const QString& tail) {
            return [tail](Window& w) { return w.shell.opened.size() == 1 && w.shell.opened.first().endsWith(tail); };
        };
        switch (command) {
        case frmMain::AddFile:
            return {[](Window& w) { w.dialogs.answerOpen(QString("/v/new.mp4")); },
                    [](Window& w) { return w.form->queue().pending().last() == "/v/new.mp4"; }};
        case frmMain::AddFolder:
            return {[](Window& w) { w.dialogs.answerFolder(std::nullopt); },
                    [](Window& w) { return w.dialogs.folderPrompts.size() == 1; }};
        case frmMain::Remove:
            return {[](Window& w) { w.c().LV->setCurrentIndex(w.c().LV->model()->index(0, 0)); },
                    [](Window& w) { return w.form->queue().displayCount() == 0; }};
        case frmMain::RemoveAll:
            return {{}, [](Window& w) { return w.form->queue().allEntries().isEmpty(); }};
        case frmMain::ReadDisc:
            return {[](Window& w) { w.messages.expect("Please select a DVD Drive", "DVD", MessageIcon::None); },
                    [](Window& w) { return w.messages.done(); }};
        case frmMain::Start:
            // The output folder cannot be made: the batch says so and converts nothing.
            return {[](Window& w) {
                        writeFile(w.program.filePath("blocker"));
                        w.c().txtPath->setText(w.program.filePath("blocker/out"));
                        w.messages.expect("The output folder could not be created:\n\n" +
                                              w.program.filePath("blocker/out/"),
                                          "Tarnwick", MessageIcon::Exclamation);
                    },
                    [](Window& w) { return w.messages.done() && w.c().Command3->isEnabled(); }};
        case frmMain::Options:
            return {[](Window& w) {
                        QTimer::singleShot(0, w.form.get(), [&w] {
                            if (auto* dialog = w.form->findChild<frmOptions*>())
                                dialog->reject();
                            w.shell.opened << "options shown";
                        });
                    },
                    opened("options shown")};
        case frmMain::Help:
            return {{}, opened("/help.chm")};
        case frmMain::Tutorial:
            return {{}, opened("/site/tutorial.html")};
        case frmMain::ProductPage:
            return {{}, opened("address:https://www.tarnwick.example/")};
        case frmMain::Feedback:
            return {{}, opened("mailto:feedback@tarnwick.example?subject=Feedback/Bug Report")};
        case frmMain::Exit:
            return {{}, [](Window& w) { return !w.form->isVisible() && QFile::exists(w.program.filePath("setup.ini")); }};
        case frmMain::OpenLogs:
            return {{}, opened("/logs")};
        case frmMain::Stop: // needs a batch: tested on its own
        case frmMain::CommandCount:
            break;
        }
        return {};
    }

private slots:
    void init() { m_xdgMime.setChmViewer("xchm.desktop"); }

    void shortcutAndMenuEntryReachTheCommand_data()
    {
        QTest::addColumn<frmMain::Command>("command");
        QTest::addColumn<bool>("byShortcut");
        const char* names[] = {"add file", "add folder",   "remove",   "remove all", "read disc",
                               "start",    "options",      "help",     "tutorial",   "product page",
                               "feedback", "open logs",    "stop",     "exit"};
        static_assert(std::size(names) == frmMain::CommandCount);
        for (int c = 0; c < frmMain::CommandCount; ++c) {
            if (c == frmMain::Stop)
                continue;
            QTest::addRow("%s by shortcut", names[c]) << frmMain::Command(c) << true;
            QTest::addRow("%s from the menu", names[c]) << frmMain::Command(c) << false;
        }
    }
    void shortcutAndMenuEntryReachTheCommand()
    {
        QFETCH(frmMain::Command, command);
        QFETCH(bool, byShortcut);
        Window w(standinProgramFolder());
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.form->queue().addEntry("/v/queued.mp4");
        const Expectation e = expectation(command);
        if (e.prepare)
            e.prepare(w);
        QAction* action = w.form->action(command);
        QVERIFY(w.form->commandMenu()->actions().contains(action));
        QCOMPARE(w.c().btnMenu->menu(), w.form->commandMenu());
        if (byShortcut) {
            QVERIFY2(!action->shortcut().isEmpty(), qPrintable(action->text()));
            w.c().LV->setFocus(); // wherever the focus is in the window
            QTest::keySequence(w.form.get(), action->shortcut());
        } else {
            action->trigger();
        }
        QTRY_VERIFY_WITH_TIMEOUT(e.happened(w), 5000);
        QString why;
        QVERIFY2(w.done(&why), qPrintable(why));
    }

    // A copy encodes nothing: choosing it greys the bitrate and the
    // rotation, held at None; another format opens them again. Made for
    // the web is kept in Tarnwick.conf.
    void copyLocksAndMadeForTheWeb()
    {
        // The test's configuration folder outlives a run: start from off.
        ProgramSettings().setWebOptimized(false);
        Window w;
        QComboBox* format = w.c().cmbOF1;
        w.form->rotation().choices.select(0);
        emit format->activated(format->findText("Same as Source (Copy)"));
        QVERIFY(!w.c().cmbBitrate->isEnabled());
        QVERIFY(!w.c().cmbRotate->isEnabled());
        QCOMPARE(w.form->rotation().choices.position(), int(RotationChoice::None));
        emit format->activated(1);
        QVERIFY(w.c().cmbBitrate->isEnabled());
        QVERIFY(w.c().cmbRotate->isEnabled());
        // What is typed into the bitrate is a number or nothing.
        w.c().cmbBitrate->lineEdit()->clear();
        QTest::keyClicks(w.c().cmbBitrate->lineEdit(), "750 -y k");
        QCOMPARE(w.c().cmbBitrate->currentText(), QString("750"));
        QCOMPARE(w.form->session().runSettings().rate.kilobits, 750);

        auto* web = w.form->findChild<QAction*>("actWebOptimized");
        QVERIFY(web && web->isCheckable() && !web->isChecked());
        web->trigger();
        QSettings conf(ProgramSettings::defaultPath(), QSettings::IniFormat);
        QCOMPARE(conf.value("Output/WebOptimized").toBool(), true);
        QVERIFY(w.form->session().runSettings().webOptimized);
        // The next start shows it as it was left.
        Window again;
        QVERIFY(again.form->findChild<QAction*>("actWebOptimized")->isChecked());
    }

    // HDR to SDR: off at first, kept in Tarnwick.conf, taken by the next
    // batch and shown checked at the next start.
    void hdrToSdrIsKept()
    {
        ProgramSettings().setHdrToSdr(false);
        Window w;
        auto* sdr = w.form->findChild<QAction*>("actHdrToSdr");
        QVERIFY(sdr && sdr->isCheckable() && !sdr->isChecked() && !sdr->toolTip().isEmpty());
        QVERIFY(!w.form->session().runSettings().hdrToSdr);
        sdr->trigger();
        QCOMPARE(QSettings(ProgramSettings::defaultPath(), QSettings::IniFormat).value("Output/HdrToSdr").toBool(),
                 true);
        QVERIFY(w.form->session().runSettings().hdrToSdr);
        Window again;
        QVERIFY(again.form->findChild<QAction*>("actHdrToSdr")->isChecked());
        again.form->findChild<QAction*>("actHdrToSdr")->trigger();
        QVERIFY(!ProgramSettings().hdrToSdr());
    }

    // Constant Quality turns the bitrate list into the chosen format's
    // quality levels, its default chosen, and back, kept in Tarnwick.conf;
    // off, the window is as it always was. A target size, asked for in a
    // dialog, goes before either while it is set.
    void constantQualityAndTargetSize()
    {
        ProgramSettings().setConstantQuality(false);
        Window w;
        const QString caption = w.c().lblBitrate->text();
        auto* quality = w.form->findChild<QAction*>("actConstantQuality");
        auto* size = w.form->findChild<QAction*>("actTargetSize");
        QVERIFY(quality && quality->isCheckable() && !quality->isChecked() && size);
        QVERIFY(!w.form->findChild<QComboBox*>("cmbQuality"));
        QCOMPARE(w.form->session().runSettings().rate, RateControl::bitrate(5000));

        emit w.c().cmbOF1->activated(1); // MP4 (H.264)
        quality->trigger();
        QComboBox* levels = w.form->rateMenu()->rateBox();
        QVERIFY(levels && levels->isVisible() && levels->isEnabled() && !w.c().cmbBitrate->isVisible());
        QCOMPARE(levels->currentText(), QString("23"));
        QVERIFY2(w.c().lblBitrate->text().contains("CRF"), qPrintable(w.c().lblBitrate->text()));
        QVERIFY(QSettings(ProgramSettings::defaultPath(), QSettings::IniFormat).value("Output/ConstantQuality").toBool());
        emit levels->activated(levels->findText("31"));
        QCOMPARE(w.form->session().runSettings().rate, RateControl::constantQuality(31));
        // Another format: its own scale, its default; a copy has none.
        emit w.c().cmbOF1->activated(0);
        QCOMPARE(levels->currentText(), QString("4"));
        QCOMPARE(w.form->session().runSettings().rate, RateControl::constantQuality(4));
        emit w.c().cmbOF1->activated(w.c().cmbOF1->findText("Same as Source (Copy)"));
        QVERIFY(!levels->isVisible() && w.c().cmbBitrate->isVisible() && !w.c().cmbBitrate->isEnabled());
        QCOMPARE(w.c().lblBitrate->text(), caption);
        emit w.c().cmbOF1->activated(0);
        QVERIFY(levels->isVisible() && levels->isEnabled());
        {
            Window again;
            QVERIFY(again.form->findChild<QAction*>("actConstantQuality")->isChecked());
            QVERIFY(again.form->rateMenu()->rateBox()->isVisible());
        }

        // A size in decimal megabytes; what is no size is said so and kept out.
        w.dialogs.answerText(QString("25M"));
        size->trigger();
        QCOMPARE(w.form->session().runSettings().rate, RateControl::size(25000000));
        QVERIFY(size->isChecked() && !levels->isEnabled() && levels->currentText() == "25 MB");
        w.dialogs.answerText(QString("lots"));
        w.messages.expect("\"lots\" is not a size. Write a number of megabytes, or a number with K, M or G after it: "
                          "25M, 700MB, 4G.",
                          "Tarnwick", MessageIcon::Exclamation);
        size->trigger();
        QCOMPARE(w.dialogs.textRequests.last().text, QString("25 MB"));
        QCOMPARE(w.form->session().runSettings().rate, RateControl::size(25000000));
        w.dialogs.answerText(QString());
        size->trigger();
        QVERIFY(!size->isChecked());
        QCOMPARE(w.form->session().runSettings().rate, RateControl::constantQuality(4));

        quality->trigger();
        QVERIFY(!levels->isVisible() && w.c().cmbBitrate->isVisible());
        QCOMPARE(w.c().lblBitrate->text(), caption);
        QCOMPARE(w.form->session().runSettings().rate, RateControl::bitrate(5000));
        QVERIFY(!ProgramSettings().constantQuality());
        QString why;
        QVERIFY2(w.done(&why), qPrintable(why));
    }

    // Made For, under Output with the other conversion choices: a place sets
    // its format, size and index first where the window shows them, is kept
    // in Tarnwick.conf, and ends when one of them is changed or at None.
    void madeForAPlace()
    {
        Window w;
        QMenu* output = w.form->outputMenu();
        for (const char* name : {"actWebOptimized", "actHdrToSdr", "actConstantQuality", "actTargetSize"})
            QVERIFY(output->actions().contains(w.form->findChild<QAction*>(name)));
        QVERIFY(output->actions().contains(w.form->madeForMenu()->menu()->menuAction()));
        w.form->findChild<QAction*>("actMadeFor_discord")->trigger();
        const RunSettings discord = w.form->session().runSettings();
        QVERIFY(discord.rate == RateControl::size(10000000) && discord.webOptimized);
        QCOMPARE(w.c().cmbOF1->currentText(), QString("MP4(H264 Video)"));
        QCOMPARE(ProgramSettings().madeFor(), QString("discord"));
        {
            Window again;
            QVERIFY(again.form->findChild<QAction*>("actMadeFor_discord")->isChecked());
            QCOMPARE(again.form->session().runSettings().rate, RateControl::size(10000000));
        }
        emit w.c().cmbOF1->activated(0);
        QVERIFY(w.form->findChild<QAction*>("actMadeForNone")->isChecked() && ProgramSettings().madeFor().isEmpty());
        w.form->findChild<QAction*>("actMadeFor_email")->trigger();
        w.form->findChild<QAction*>("actMadeForNone")->trigger();
        QCOMPARE(w.form->session().rate().targetBytes(), 0);
    }

    void standardKeysWhereThereAreSome()
    {
        Window w;
        QCOMPARE(w.form->action(frmMain::AddFile)->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(w.form->action(frmMain::Help)->shortcut(), QKeySequence(QKeySequence::HelpContents));
        // Where the platform has no key for these, the window still gives one.
        for (auto [command, key] : {std::pair{frmMain::Options, QKeySequence::Preferences},
                                    std::pair{frmMain::Exit, QKeySequence::Quit}}) {
            const QKeySequence standard(key);
            QVERIFY(standard.isEmpty() || w.form->action(command)->shortcut() == standard);
        }
        QCOMPARE(w.form->action(frmMain::Remove)->shortcut(), QKeySequence(QKeySequence::Delete));
        QSet<QKeySequence> seen;
        for (QAction* action : w.form->commandMenu()->actions()) {
            if (!action->isSeparator() && !action->shortcut().isEmpty()) {
                QVERIFY2(!seen.contains(action->shortcut()), qPrintable(action->text()));
                seen.insert(action->shortcut());
            }
        }
    }

    // A right click on the background, the cover panel or the list brings up
    // the command menu; on the list, Remove takes the row clicked.
    void contextMenus()
    {
        Window w;
        for (const char* path : {"/v/a.mp4", "/v/b.mp4", "/v/c.mp4"})
            w.form->queue().addEntry(path);
        QMenu* menu = w.form->commandMenu();
        const auto rightClick = [](QWidget* target, const QPoint& at) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
            QApplication::sendEvent(target, &event);
        };
        rightClick(w.c().picDoor, {50, 50});
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        w.form->hidePicDoor();
        rightClick(w.form.get(), {300, 10});
        QTRY_VERIFY(menu->isVisible());
        menu->hide();

        QTreeView* list = w.c().LV;
        const QRect second = list->visualRect(list->model()->index(1, 0));
        emit list->customContextMenuRequested(second.center());
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        w.form->action(frmMain::Remove)->trigger();
        QCOMPARE(w.form->queue().pending(), QStringList({"/v/a.mp4", "/v/c.mp4"}));
        // The menu button lies where no laid-out control is.
        for (QWidget* child : w.form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child != w.c().btnMenu && child->isVisible() && child != w.c().picDoor)
                QVERIFY2(!child->geometry().intersects(w.c().btnMenu->geometry()), qPrintable(child->objectName()));
        }
    }

    // Stop during the second of three files, by the start button (which
    // reads "Stop" meanwhile) or by Esc. With two lanes, the second and the
    // third are both converting then.
    void stopDuringTheSecondOfThree_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<int>("lanes");
        QTest::newRow("the button") << false << 1;
        QTest::newRow("Esc") << true << 1;
        QTest::newRow("the button, two lanes") << false << 2;
        QTest::newRow("Esc, two lanes") << true << 2;
    }
    void stopDuringTheSecondOfThree()
    {
        QFETCH(bool, byEscape);
        QFETCH(int, lanes);
        QTemporaryDir dir;
        Window w(standinProgramFolder());
        w.form->batch().setLanes(lanes);
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QStringList sources;
        for (const char* name : {"one.mp4", "two.mp4", "three.mp4"}) {
            sources << dir.filePath(name);
            // The first one short: with two lanes, the third begins while the second runs.
            QVERIFY(writeFile(sources.last(), sources.size() == 1 ? "#standin\nwrite-early\nprogress 5\nsleep 20\n"
                                                                   : "#standin\nwrite-early\nprogress 50\nsleep 20\n"));
            w.form->queue().addEntry(sources.last());
        }
        const QString out = dir.filePath("out");
        w.c().txtPath->setText(out);
        QString caption;
        bool stopped = false;
        connect(&w.form->objDOS(), &ProcessRunner::outputReceived, this, [&](const QString& piece) {
            if (!stopped && piece.contains("time=") && w.form->queue().runFront() == sources.at(1)) {
                stopped = true;
                caption = w.c().Command3->text();
                QVERIFY(w.c().Command3->isEnabled());
                if (byEscape)
                    QTest::keyClick(w.form.get(), Qt::Key_Escape);
                else
                    w.c().Command3->click();
            }
        });
        w.c().Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(stopped && w.form->batch().state() == BatchDriver::State::Idle, 30000);
        QCOMPARE(caption, QString("Stop"));
        QCOMPARE(w.c().lblPB->text(), QString("Stopped."));
        QCOMPARE(w.c().Command3->text(), QString("Start Ripping Now!"));
        QVERIFY(w.c().cmbOF1->isEnabled() && w.c().LV->isEnabled());
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 1); // the first kept, no partial second
        QCOMPARE(w.form->queue().pending(), sources.mid(1));
        QVERIFY(w.shell.opened.isEmpty());

        w.c().Command3->click(); // Start again converts those two
        QTRY_VERIFY_WITH_TIMEOUT(w.c().lblPB->text() == "Done.", 30000);
        QCOMPARE(w.form->batch().results().size(), 2);
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 3);
        QString why;
        QVERIFY2(w.done(&why), qPrintable(why));
    }

    void severalFilesInOneDialogLandInOrder()
    {
        Window w;
        w.dialogs.answerOpenSeveral({"/v/b.mp4", "/v/a.mkv"});
        w.dialogs.answerOpenSeveral({"/w/3.vob", "/w/1.vob", "/w/2.vob"});
        w.form->action(frmMain::AddFile)->trigger();
        w.form->action(frmMain::AddFile)->trigger();
        QCOMPARE(w.form->queue().pending(),
                 QStringList({"/v/b.mp4", "/v/a.mkv", "/w/3.vob", "/w/1.vob", "/w/2.vob"}));
        QCOMPARE(w.form->queue().displayTag(1), QString("MKV"));
        QString why;
        QVERIFY2(w.done(&why), qPrintable(why));
    }

    void keyboardAndScreenReaders()
    {
        Window w;
        for (QWidget* control : {static_cast<QWidget*>(w.c().Drive1), static_cast<QWidget*>(w.c().cmdLoad),
                                 static_cast<QWidget*>(w.c().LV), static_cast<QWidget*>(w.c().cmbOF1),
                                 static_cast<QWidget*>(w.c().cmbBitrate), static_cast<QWidget*>(w.c().txtPath),
                                 static_cast<QWidget*>(w.c().cmdBrowse), static_cast<QWidget*>(w.c().Command3),
                                 static_cast<QWidget*>(w.c().btnMenu)}) {
            // A name of its own, or a caption that labels it.
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!face->text(QAccessible::Name).isEmpty() || !face->relations(QAccessible::Label).isEmpty(),
                     qPrintable(control->objectName()));
        }
        // Tab walks the visible controls top to bottom.
        QWidget* at = w.c().Drive1;
        QStringList order;
        for (int i = 0; i < 13; ++i) {
            order << at->objectName();
            // The window's own controls, not the parts of a composite one.
            do
                at = at->nextInFocusChain();
            while (at->focusPolicy() == Qt::NoFocus || !at->isEnabled() || at->parentWidget() != w.form.get());
        }
        const QStringList expected{"Drive1", "cmdLoad", "CmdToolsBar", "CmdToolsBar", "CmdToolsBar",
                                   "CmdToolsBar", "CmdToolsBar", "CmdToolsBar", "LV", "cmbOF1",
                                   "cmbBitrate", "txtPath", "cmdBrowse"};
        QCOMPARE(order, expected);
    }
};

QTEST_MAIN(tst_frmMainCommands)
#include "tst_frmMainCommands.moc"
