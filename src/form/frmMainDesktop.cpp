#include "form/frmMain.h"

namespace tarnwick {

// What the desktop is told of a batch: the machine kept awake while it
// runs, its progress on the launcher entry, and one notification at its
// end when the window is not in front. Each is a silent no-op where the
// desktop has no such service.
void frmMain::wireDesktop()
{
    connect(&batch(), &BatchDriver::batchStarted, this, [this] { m_inhibitor->take(); });
    BatchFollower* follower = &m_session->follower();
    connect(follower, &BatchFollower::changed, this,
            [this](const BatchStatus& status) { m_launcher.show(status.percent / 100.0); });
    connect(follower, &BatchFollower::ended, this, [this](const BatchStatus& status) {
        m_launcher.hide();
        m_inhibitor->release();
        if (isActiveWindow() || status.count == 0)
            return;
        const QString body = (status.converted == 1 ? tr("1 file converted") : tr("%1 files converted").arg(status.converted)) +
                             (status.failed == 0 ? QStringLiteral(".") : tr(", %1 failed.").arg(status.failed));
        m_notifier.notify(status.stopped ? tr("Batch stopped") : tr("Batch done"), body);
    });
}

} // namespace tarnwick
