#pragma once

#include "engine/BatchJournal.h"
#include "job/ConversionJob.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tarnwick {

class Converter;
class Messages;

// The converters a batch runs side by side, one a lane, and the file each
// converts. Lane 0 is the converter given; the others are made like it
// (its program folder, logs and yield) when the count is set, never while
// a batch runs: each lane's signals name it by its place.
class ConverterLanes : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConverterLanes)

public:
    struct Lane {
        Converter* converter = nullptr;
        int index = -1;       // the file it converts, -1 when free
        quint64 entry = 0;    // that file's entry in the run list
        std::optional<ConversionJob> job; // once its output is chosen
        bool existedBefore = false;
    };

    ConverterLanes(Converter& first, Messages& messages, QObject* parent = nullptr);
    ~ConverterLanes() override;

    // `count` lanes, every one free and taking work.
    void prepare(int count);
    int count() const { return int(m_lanes.size()); }
    Lane& operator[](int lane) { return m_lanes.at(size_t(lane)); }
    const Lane& operator[](int lane) const { return m_lanes.at(size_t(lane)); }

    bool anyBusy() const;
    bool holds(quint64 entry) const;
    // The output each busy lane writes, with whether something was there.
    QList<BatchJournal::Writing> writing() const;
    void stopAll();
    // Every busy lane's conversion ended at once, as stopAll ends it.
    void endAllNow();

signals:
    void outputChosen(int lane);
    void progressChanged(int lane, double percent);
    void finished(int lane);

private:
    void connectLane(int lane);

    Converter& m_first;
    Messages& m_messages;
    std::vector<Lane> m_lanes;
    std::vector<std::unique_ptr<Converter>> m_own; // lanes 1 up
};

} // namespace tarnwick
