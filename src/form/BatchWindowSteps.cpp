#include "form/BatchWindowSteps.h"

#include "session/Session.h"
#include "platform/Messages.h"
#include "platform/Shell.h"

namespace tarnwick {

BatchWindowSteps::BatchWindowSteps(Session& session, QObject* parent) : QObject(parent), m_session(session)
{
    BatchDriver* batch = &session.batch();
    connect(batch, &BatchDriver::nothingToConvert, this, [this] {
        m_session.services().messages.show(tr("Please add a file."), tr("Add"), MessageIcon::Exclamation);
    });
    connect(batch, &BatchDriver::armed, this, [this] { emit queueControlsEnabledChanged(false); });
    connect(batch, &BatchDriver::disarmed, this, &BatchWindowSteps::unlock);
    connect(batch, &BatchDriver::refused, this, &BatchWindowSteps::unlock);
    connect(batch, &BatchDriver::queueConverted, this, &BatchWindowSteps::finish);
    connect(batch, &BatchDriver::queueRestored, this, &BatchWindowSteps::reportFailures);
    connect(batch, &BatchDriver::batchStopped, this, [this] {
        unlock();
        emit batchEnded(tr("Stopped."));
    });
}

void BatchWindowSteps::startOrStop()
{
    BatchDriver& batch = m_session.batch();
    // The start button reads "Stop" while a batch runs.
    if (batch.busy()) {
        batch.stop();
        return;
    }
    emit settingsEnabledChanged(false);
    m_session.startBatch();
    if (!batch.busy())
        emit settingsEnabledChanged(true);
}

void BatchWindowSteps::unlock()
{
    emit settingsEnabledChanged(true);
    emit queueControlsEnabledChanged(true);
}

// The folder the batch wrote to opens in the file browser, between the
// settings coming back and the queue's controls.
void BatchWindowSteps::finish()
{
    const RunSettings& settings = m_session.batch().settings();
    Shell& shell = m_session.services().shell;
    emit settingsEnabledChanged(true);
    shell.openPath(settings.outputFolder);
    if (settings.beep)
        shell.beep();
    emit queueControlsEnabledChanged(true);
    emit batchEnded(tr("Done."));
}

// Said once the queue is whole again, so that the list behind the message
// shows every file, the failed ones too.
void BatchWindowSteps::reportFailures()
{
    const QStringList lines = BatchDriver::failureLines(m_session.batch().results());
    if (lines.isEmpty())
        return;
    const QString heading =
        lines.size() == 1 ? tr("1 file could not be converted:")
                          : tr("%n files could not be converted:", nullptr, int(lines.size()));
    m_session.services().messages.show(heading + QStringLiteral("\n\n") + lines.join(u'\n'), kProgramTitle,
                                       MessageIcon::Exclamation);
}

} // namespace tarnwick
