#include "engine/BatchRecords.h"

#include "engine/ConversionLogs.h"

namespace tarnwick {

void BatchRecords::begin()
{
    if (!m_kept)
        return;
    pruneLogs();
    update();
}

void BatchRecords::update()
{
    if (!m_journal || !m_kept)
        return;
    const BatchJournal::Entry state = m_state();
    if (state.remaining.isEmpty())
        m_journal->clear();
    else
        m_journal->write(state);
}

void BatchRecords::end()
{
    if (!m_kept)
        return;
    pruneLogs();
    if (m_journal)
        m_journal->clear();
}

// The logs folder is held to its limits as a batch begins and ends, not
// after every file: a look through hundreds of logs costs more than a
// conversion of a short clip is worth waiting for.
void BatchRecords::pruneLogs()
{
    if (m_logs)
        m_logs->prune();
}

} // namespace tarnwick
