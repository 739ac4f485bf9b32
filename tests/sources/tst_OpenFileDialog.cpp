#include "sources/OpenFileDialog.h"

#include "support/ScriptedSeams.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

class tst_OpenFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_startFolder = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_startFolder); }

    void showOpenFollowsTheChosenFile()
    {
        QTemporaryDir dir;
        const QString clip = dir.filePath("videos/a.mp4");
        QVERIFY(writeFile(clip));
        ScriptedDialogs dialogs;
        dialogs.answerOpen(clip);
        dialogs.answerOpen(std::nullopt);
        OpenFileDialog common(dialogs);
        common.setTitle("Open Files");
        common.setFilter("All formats(*.*)|*.*");
        const QString before = QDir::currentPath();

        QVERIFY(common.ShowOpen());
        QCOMPARE(dialogs.openRequests.at(0).filters, (QList<FileFilter>{{"All formats(*.*)", "*.*"}}));
        QCOMPARE(dialogs.openRequests.at(0).initialFolder, before);
        QCOMPARE(common.FileName(), clip);
        QCOMPARE(common.FileTitle(), QString("a.mp4"));
        QCOMPARE(common.Path(), dir.filePath("videos"));
        QCOMPARE(QDir::currentPath(), dir.filePath("videos"));

        // The next dialog starts on the previous file; a cancel changes nothing.
        QVERIFY(!common.ShowOpen());
        QCOMPARE(dialogs.openRequests.at(1).initialFile, clip);
        QCOMPARE(dialogs.openRequests.at(1).initialFolder, dir.filePath("videos"));
        QCOMPARE(common.FileName(), clip);
        QVERIFY2(dialogs.done(), qPrintable(dialogs.report()));
    }

    void gettersStopAtNul()
    {
        ScriptedDialogs dialogs;
        OpenFileDialog common(dialogs);
        common.setTitle(QString("Open") + QChar(0) + "junk");
        common.setFileName(QString("/a.mp4") + QChar(0) + QChar(0));
        common.setFilter(QString("a") + QChar(0) + "b");
        QCOMPARE(common.Title(), QString("Open"));
        QCOMPARE(common.FileName(), QString("/a.mp4"));
        QCOMPARE(common.Filter().size(), 3); // stored as given
    }

    void pickOpenFileInitialFolder_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("programFolder");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("blank") << "   " << true;
        QTest::newRow("missing") << "/nonexistent/tarnwick" << true;
        QTest::newRow("empty folder") << "EMPTY" << true;
        QTest::newRow("folder with files") << "FULL" << false;
    }
    void pickOpenFileInitialFolder()
    {
        QFETCH(QString, given);
        QFETCH(bool, programFolder);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("empty");
        QVERIFY(writeFile(dir.filePath("full/x.vob")));
        QString folder = given == "EMPTY" ? dir.filePath("empty") : given == "FULL" ? dir.filePath("full") : given;
        ScriptedDialogs dialogs;
        dialogs.answerOpen(dir.filePath("full/x.vob"));
        const QString before = QDir::currentPath();
        const QString picked = pickOpenFile(dialogs, "/program", "Open File", folder, "*.*|*.*");
        QCOMPARE(picked, dir.filePath("full/x.vob"));
        QCOMPARE(dialogs.openRequests.at(0).initialFolder, programFolder ? QString("/program") : dir.filePath("full/"));
        QCOMPARE(dialogs.openRequests.at(0).filters, (QList<FileFilter>{{"*.*", "*.*"}}));
        QCOMPARE(dialogs.openRequests.at(0).title, QString("Open File"));
        QCOMPARE(QDir::currentPath(), before);
    }

private:
    QString m_startFolder;
};

QTEST_GUILESS_MAIN(tst_OpenFileDialog)
#include "tst_OpenFileDialog.moc"
