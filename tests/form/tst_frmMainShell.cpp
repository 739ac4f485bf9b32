#include "engine/TemporaryFolder.h"
#include "settings/SettingsFiles.h"
#include "form/frmMain.h"
#include "form/frmOptions.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QAction>
#include <QTimer>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

using Window = TestWindow;

QByteArray setupFile(const QString& folder)
{
    return SettingsFiles::readFile(folder + "/setup.ini").value_or("(none)");
}

} // namespace

class tst_frmMainShell : public QObject
{
    Q_OBJECT

private slots:
    void startValuesWithoutFiles()
    {
        QTemporaryDir program;
        Window w(program.path());
        const MainWidgets& c = w.form->widgets();
        QCOMPARE(w.form->windowTitle(), QString("Tarnwick"));
        QCOMPARE(c.txtPath->text(), program.path() + "/output");
        QCOMPARE(c.cmbOF1->currentText(), QString("MP4(High Quality MPEG4 Video)"));
        QCOMPARE(c.cmbBitrate->currentText(), QString("5000"));
        QCOMPARE(w.form->presets().internalFormat.position(), 4);
        QCOMPARE(c.cmbRotate->currentText(), QString("None"));
        QCOMPARE(w.form->session().runSettings().rotationChoice, RotationChoice::None);
    }

    void restoredFolderButPresetsAgain()
    {
        QTemporaryDir program;
        const QString folder = QString::fromUtf8("/srv/vidéos/out");
        QVERIFY(writeFile(program.filePath("setup.ini"), "\"5\"\r\n\"-1\"\r\n\"1\"\r\n\"" + folder.toUtf8() + "\"\r\n\"3\"\r\n"));
        QVERIFY(writeFile(program.filePath("options.ini"), "1\r\n1\r\n30\r\n90\r\n"));
        Window w(program.path());
        QCOMPARE(w.form->widgets().txtPath->text(), folder);
        QCOMPARE(w.form->presets().internalFormat.position(), 4);
        QCOMPARE(w.form->presets().bitrate.text(), QString("5000"));
        QCOMPARE(w.form->options(), (Options{true, {false, 30, 90}}));
    }

    void emptyFolderLineAndGarbage()
    {
        QTemporaryDir program;
        QVERIFY(writeFile(program.filePath("setup.ini"), "\"13\"\r\n\"zz\"\r\n\"1\"\r\n\"\"\r\n"));
        QVERIFY(writeFile(program.filePath("options.ini"), QByteArray("\x80\x81\xfe", 3)));
        Window w(program.path());
        QCOMPARE(w.form->widgets().txtPath->text(), program.path() + "/output");
        QCOMPARE(w.form->options(), Options{});
    }

    // Exit, Quit and the close box keep the user's choices alike.
    void everyWayOfClosingWritesTheSameSettings_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Exit") << 0;
        QTest::newRow("Quit") << 1;
        QTest::newRow("close box") << 2;
    }
    void everyWayOfClosingWritesTheSameSettings()
    {
        QFETCH(int, way);
        const auto closeBy = [way](frmMain& form) {
            if (way == 0)
                form.imgToolbar_Click(4);
            else if (way == 1)
                form.action(frmMain::Exit)->trigger();
            else
                form.close();
            QVERIFY(!form.isVisible());
        };
        QTemporaryDir program;
        {
            Window w(program.path());
            w.form->show();
            w.form->widgets().txtPath->setText(program.filePath("out"));
            w.form->presets().visibleFormat.select(2); // AVI
            closeBy(*w.form);
        }
        QCOMPARE(setupFile(program.path()),
                 "\"5\"\r\n\"-1\"\r\n\"1\"\r\n\"" + program.filePath("out").toUtf8() + "\"\r\n\"3\"\r\n");
        {
            Window w(program.path());
            w.form->show();
            closeBy(*w.form);
        }
        QCOMPARE(setupFile(program.path()),
                 "\"13\"\r\n\"0\"\r\n\"1\"\r\n\"" + program.filePath("out").toUtf8() + "\"\r\n\"4\"\r\n");
    }

    void shutdownRemovesTheTemporaryFolder()
    {
        QTemporaryDir program;
        const QString temporary = temporaryFolderPath();
        QVERIFY(ensureTemporaryFolder(temporary));
        QVERIFY(writeFile(temporary + "/tmp.mp4"));
        Window w(program.path());
        w.form->show();
        w.form->close();
        QVERIFY(!QFileInfo::exists(temporary));
    }

    void optionsDialog()
    {
        QTemporaryDir program;
        Window w(program.path());
        Options& record = w.form->options();
        const QString file = program.filePath("options.ini");

        { // Back stores nothing
            frmOptions dialog(record, file, w.messages);
            dialog.cmbSR()->setCurrentIndex(1);
            dialog.findChild<QPushButton*>("Command2")->click();
            QVERIFY(record.beep);
            QVERIFY(!QFile::exists(file));
        }
        { // a refusal keeps the dialog open and focuses the box
            frmOptions dialog(record, file, w.messages);
            QCOMPARE(dialog.windowTitle(), QString("Setting"));
            dialog.show();
            QVERIFY(!dialog.chkMC()->isVisible());
            QVERIFY(!dialog.timeBox(OptionsEditor::FromS)->isEnabled());
            dialog.chkMC()->setChecked(true);
            QVERIFY(dialog.timeBox(OptionsEditor::FromS)->isEnabled());
            dialog.timeBox(OptionsEditor::FromS)->setText("60");
            w.messages.expect(QString::fromUtf8("秒必须小于60"), QString::fromUtf8("秒"), MessageIcon::Exclamation);
            dialog.findChild<QPushButton*>("Command1")->click();
            QVERIFY(dialog.isVisible());
            QVERIFY(!QFile::exists(file));
            dialog.timeBox(OptionsEditor::FromS)->setText("0");
            dialog.cmbSR()->setCurrentIndex(1);
            dialog.findChild<QPushButton*>("Command1")->click();
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(record, (Options{false, {}}));
        QCOMPARE(SettingsFiles::readFile(file).value(), QByteArray("1\r\n0\r\n0\r\n0\r\n"));
        QVERIFY2(w.messages.done(), qPrintable(w.messages.problems()));
    }

    void optionsOpenModallyFromTheToolbar()
    {
        QTemporaryDir program;
        Window w(program.path());
        w.form->show();
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = w.form->findChild<frmOptions*>();
            seen = dialog && dialog->isModal() && dialog->isVisible();
            if (dialog)
                dialog->reject();
        });
        w.form->CmdToolsBar_Click(4);
        QVERIFY(seen);
    }

    // Two real processes: the second ends at once with status 0.
    void secondCopyEndsSilently()
    {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        const QString program = realProgramFolder() + "/tarnwick";
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("tarnwick.lock")), 20000);
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(program, {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();

        // The killed copy's lock does not keep the next one out.
        QProcess third;
        third.setProcessEnvironment(env);
        third.start(program, {});
        QVERIFY(third.waitForStarted());
        const auto lockOwner = [&] {
            QFile lock(runtime.filePath("tarnwick.lock"));
            return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : -1;
        };
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(), qint64(third.processId()), 20000);
        QCOMPARE(third.state(), QProcess::Running);
        third.kill();
        third.waitForFinished();
    }
};

QTEST_MAIN(tst_frmMainShell)
#include "tst_frmMainShell.moc"
