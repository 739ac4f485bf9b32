#include "form/frmMain.h"

#include "desktop/HandOver.h"

namespace tarnwick {

void frmMain::openGiven(const QStringList& paths)
{
    hidePicDoor();
    sources().addDropped(paths);
    showNormal();
    raise();
    activateWindow();
}

void frmMain::startWith(const QStringList& given)
{
    if (m_session->offerInterruptedBatch())
        hidePicDoor();
    if (!given.isEmpty())
        openGiven(given);
}

void frmMain::takeHandOvers(HandOver& handOver)
{
    connect(&handOver, &HandOver::received, this, &frmMain::openGiven);
}

// What the desktop is told of a batch: the machine kept awake while it
// runs, its progress on the launcher entry, and one notification at its
// end when the window is not in front. Each is a silent no-op where the
// desktop has no such service.
void frmMain::wireDesktop()
{
    connect(&batch(), &BatchDriver::batchStarted, this, [this] { m_inhibitor->take(); });
    BatchProgress* progress = &m_session->progress();
    connect(progress, &BatchProgress::changed, this,
            [this](const BatchStatus& status) { m_launcher.show(status.percent / 100.0); });
    connect(progress, &BatchProgress::ended, this, [this](const BatchStatus& status) {
        m_launcher.hide();
        m_inhibitor->release();
        if (isActiveWindow() || status.count == 0)
            return;
        // The English texts for one file are their own, so they read right without a catalogue.
        const QString body =
            (status.converted == 1 ? tr("1 file converted")
                                   : tr("%n files converted", nullptr, status.converted)) +
            (status.failed == 0 ? tr(".", "ends the sentence of files converted")
                                : tr(", %1 failed.").arg(status.failed));
        m_notifier.notify(status.stopped ? tr("Batch stopped") : tr("Batch done"), body);
    });
}

} // namespace tarnwick
