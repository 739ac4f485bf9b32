#include "desktop/DesktopServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace tarnwick {

// Every call is asynchronous: a slow or hung service must never freeze
// the window.

void DesktopNotifier::notify(const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QStringLiteral("Tarnwick") << 0u << QStringLiteral("tarnwick") << summary << body << QStringList()
         << QVariantMap() << -1;
    bus.asyncCall(call);
}

void SleepInhibitor::take()
{
    m_wanted = true;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (m_lock.isValid() || m_asked > 0 || !bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Tarnwick") << tr("Converting videos")
         << QStringLiteral("block");
    ++m_asked;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        --m_asked;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *done;
        // A lock that arrives after the batch ended is let go at once.
        if (reply.isError() || !m_wanted)
            return;
        m_lock = reply.value();
        emit heldChanged(true);
    });
}

void SleepInhibitor::release()
{
    m_wanted = false;
    if (!m_lock.isValid())
        return;
    m_lock = QDBusUnixFileDescriptor();
    emit heldChanged(false);
}

void LauncherEntry::show(double share)
{
    send(share, true);
}

void LauncherEntry::hide()
{
    send(0, false);
}

void LauncherEntry::send(double share, bool visible)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(QStringLiteral("/com/canonical/unity/launcherentry/tarnwick"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    update << QStringLiteral("application://") + m_desktopFile
           << QVariantMap{{QStringLiteral("progress"), share}, {QStringLiteral("progress-visible"), visible}};
    bus.send(update);
}

} // namespace tarnwick
