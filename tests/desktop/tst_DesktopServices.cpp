// The desktop's services against a private D-Bus bus this test starts,
// with small stand-ins for the notification service and logind that
// record what they are asked.

#include "form/frmMain.h"
#include "sources/Queue.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <poll.h>
#include <unistd.h>

using namespace tarnwick;
using namespace tarnwick::test;

class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList shown; // "summary|body"

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int)
    {
        shown << summary + u'|' + body;
        return uint(shown.size());
    }
};

class FakeLogind : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    QStringList asked;
    int writeEnd = -1; // the far end of the last lock handed out

    // Whether the lock handed out is still held by someone.
    bool lockHeld() const
    {
        pollfd p{writeEnd, POLLOUT, 0};
        return writeEnd >= 0 && ::poll(&p, 1, 0) >= 0 && !(p.revents & POLLERR);
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why, const QString& mode)
    {
        asked << QStringList{what, who, why, mode}.join(u'|');
        int ends[2];
        if (::pipe(ends) != 0)
            return {};
        writeEnd = ends[1];
        QDBusUnixFileDescriptor lock(ends[0]); // a copy goes to the caller
        ::close(ends[0]);
        return lock;
    }
};

class LauncherWatcher : public QObject
{
    Q_OBJECT

public:
    QList<QVariantMap> updates;

public slots:
    void update(const QString& app, const QVariantMap& properties)
    {
        if (app == "application://tarnwick.desktop")
            updates << properties;
    }
};

class tst_DesktopServices : public QObject
{
    Q_OBJECT

    QProcess m_bus;
    FakeNotifications m_notifications;
    FakeLogind m_logind;
    LauncherWatcher m_launcher;

private slots:
    void initTestCase()
    {
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY2(m_bus.waitForStarted(), "dbus-daemon (Debian package dbus) is needed");
        QTRY_VERIFY_WITH_TIMEOUT(m_bus.canReadLine(), 10000);
        const QByteArray address = m_bus.readLine().trimmed();
        // The program's session and system buses are both this one.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
        QDBusConnection fake = QDBusConnection::connectToBus(QString::fromUtf8(address), "services");
        QVERIFY(fake.isConnected());
        QVERIFY(fake.registerService("org.freedesktop.Notifications"));
        QVERIFY(fake.registerService("org.freedesktop.login1"));
        QVERIFY(fake.registerObject("/org/freedesktop/Notifications", &m_notifications,
                                    QDBusConnection::ExportAllSlots));
        QVERIFY(fake.registerObject("/org/freedesktop/login1", &m_logind, QDBusConnection::ExportAllSlots));
        QVERIFY(fake.connect(QString(), "/com/canonical/unity/launcherentry/tarnwick",
                             "com.canonical.Unity.LauncherEntry", "Update", &m_launcher,
                             SLOT(update(QString, QVariantMap))));
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus("services");
        m_bus.kill();
        m_bus.waitForFinished();
    }

    // A batch while the window is not in front: the machine kept awake
    // meanwhile, the progress on the launcher, one notification at the end.
    void oneBatchOneNotification()
    {
        QTemporaryDir dir;
        TestWindow w(standinProgramFolder()); // never shown, so never the active window
        for (const char* name : {"a.mp4", "b.mp4"}) {
            QVERIFY(writeFile(dir.filePath(name), "#standin\nprogress 20\nsleep 10\n"));
            w.form->queue().addEntry(dir.filePath(name));
        }
        w.c().txtPath->setText(dir.filePath("out"));
        bool heldDuring = false;
        connect(&w.form->inhibitor(), &SleepInhibitor::heldChanged, this, [&](bool held) {
            if (held)
                heldDuring = m_logind.lockHeld();
        });
        w.c().Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.c().lblPB->text() == "Done.", 30000);
        QTRY_COMPARE_WITH_TIMEOUT(m_notifications.shown, QStringList{"Batch done|2 files converted."}, 5000);
        QCOMPARE(m_logind.asked, QStringList{"sleep|Tarnwick|Converting videos|block"});
        QTRY_VERIFY_WITH_TIMEOUT(heldDuring, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_logind.lockHeld(), 5000); // released at the end
        QTRY_VERIFY_WITH_TIMEOUT(!m_launcher.updates.isEmpty() &&
                                     !m_launcher.updates.last().value("progress-visible").toBool(),
                                 5000);
        bool shown = false;
        double last = -1;
        for (const QVariantMap& update : m_launcher.updates) {
            if (update.value("progress-visible").toBool()) {
                shown = true;
                QVERIFY(update.value("progress").toDouble() >= last);
                last = update.value("progress").toDouble();
            }
        }
        QVERIFY(shown);
        QCOMPARE(last, 1.0);
    }
};

QTEST_MAIN(tst_DesktopServices)
#include "tst_DesktopServices.moc"
