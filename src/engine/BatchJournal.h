#pragma once

#include "job/RunSettings.h"
#include "job/TimeRange.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarnwick {

class ConversionQueue;

// What a batch leaves behind while it runs, so that one cut short by a
// crash, a kill or a power cut can be picked up at the next start: the
// files still to do, the settings, and the output each lane is writing with
// whether it was there before. Written in one step each time, which stands
// however the program ends; a power cut may leave it a step behind, and
// the files of that step are offered again. A batch that ends in any
// orderly way removes it.
class BatchJournal
{
public:
    explicit BatchJournal(QString path) : m_path(std::move(path)) {}
    const QString& path() const { return m_path; }
    // The run list the batch converts: each file still to do is written
    // with its time range from there.
    void keepRangesOf(const ConversionQueue* queue) { m_queue = queue; }

    struct Writing {
        QString output;
        bool existed = false; // something was at the path before
        friend bool operator==(const Writing&, const Writing&) = default;
    };
    struct Entry {
        RunSettings settings;
        QStringList remaining;
        QList<Writing> writing; // one a lane that is writing
        // By position in `remaining`; the files past its end have none.
        QList<TimeRange> ranges = {};
    };

    void write(const Entry& entry) const;
    void clear() const;

    // The journal of a batch that did not end, or nullopt: none, or one
    // that is damaged or not ours (which is removed, never trusted).
    std::optional<Entry> read() const;

    // The outputs an interrupted batch was writing that may be removed:
    // plain files it made, directly in the output folder the journal names.
    // Anything else is left alone.
    static QStringList halfWrittenOutputs(const Entry& entry);

private:
    QList<TimeRange> rangesOf(const Entry& entry) const;

    QString m_path;
    const ConversionQueue* m_queue = nullptr;
};

} // namespace tarnwick
