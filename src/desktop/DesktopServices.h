#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

namespace tarnwick {

// The freedesktop notification service: one bubble with a summary and a
// line of text. Without a session bus or the service, nothing happens.
class DesktopNotifier
{
public:
    void notify(const QString& summary, const QString& body);
};

// Keeps the machine from suspending while a batch runs, through logind's
// inhibitor lock on the system bus; the lock is the descriptor logind
// hands back, released by closing it. Without logind, nothing happens.
class SleepInhibitor : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SleepInhibitor)

public:
    explicit SleepInhibitor(QObject* parent = nullptr) : QObject(parent) {}
    void take();
    void release();
    bool held() const { return m_lock.isValid(); }

signals:
    void heldChanged(bool held);

private:
    QDBusUnixFileDescriptor m_lock;
    bool m_wanted = false;
    int m_asked = 0; // calls not answered yet
};

// The batch's progress on the launcher or dock entry of the program (the
// Unity launcher entry, which KDE and GNOME docks follow too).
class LauncherEntry
{
public:
    explicit LauncherEntry(QString desktopFile = QStringLiteral("tarnwick.desktop"))
        : m_desktopFile(std::move(desktopFile))
    {
    }
    // share from 0 to 1; hidden when the batch is over.
    void show(double share);
    void hide();

private:
    void send(double share, bool visible);
    QString m_desktopFile;
};

} // namespace tarnwick
