#pragma once

#include "engine/BatchJournal.h"

#include <functional>

namespace tarnwick {

class ConversionLogs;

// What a batch keeps on disk beside its outputs: the journal that lets a
// batch cut short be picked up at the next start, and the logs folder held
// to its limits. Either may be missing; then nothing is kept of it.
class BatchRecords
{
public:
    // Where the batch stands, asked only when a journal is kept.
    using State = std::function<BatchJournal::Entry()>;
    explicit BatchRecords(State state) : m_state(std::move(state)) {}

    void setJournal(const BatchJournal* journal) { m_journal = journal; }
    void setLogs(const ConversionLogs* logs) { m_logs = logs; }
    // Off for a batch that writes nothing (a dry run): nothing kept of it.
    void setKept(bool kept) { m_kept = kept; }

    // The batch begins: the logs pruned, the journal written.
    void begin();
    // The files left or the outputs being written changed. A run list gone
    // empty leaves nothing to pick up.
    void update();
    // The batch ended, whichever way: the logs pruned again, the journal
    // removed.
    void end();

private:
    void pruneLogs();

    State m_state;
    const BatchJournal* m_journal = nullptr;
    const ConversionLogs* m_logs = nullptr;
    bool m_kept = true;
};

} // namespace tarnwick
