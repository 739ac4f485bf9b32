#include "engine/ConverterLanes.h"

#include "engine/Converter.h"

#include <algorithm>

namespace tarnwick {

ConverterLanes::ConverterLanes(Converter& first, Messages& messages, QObject* parent)
    : QObject(parent), m_first(first), m_messages(messages)
{
    m_lanes.push_back(Lane{&first, -1, 0, std::nullopt, false});
    connectLane(0);
}

ConverterLanes::~ConverterLanes() = default;

void ConverterLanes::connectLane(int lane)
{
    Converter& converter = *m_lanes.at(size_t(lane)).converter;
    converter.setOutputChosen([this, lane](const ConversionJob& job, bool existed) {
        Lane& l = m_lanes.at(size_t(lane));
        l.job = job;
        l.existedBefore = existed;
        emit outputChosen(lane);
    });
    connect(&converter, &Converter::finished, this, [this, lane] { emit finished(lane); });
    connect(&converter.monitor(), &ConversionMonitor::progressChanged, this,
            [this, lane](double percent) { emit progressChanged(lane, percent); });
}

void ConverterLanes::prepare(int count)
{
    const size_t wanted = size_t(qMax(1, count));
    while (m_lanes.size() < wanted) {
        m_own.push_back(std::make_unique<Converter>(m_messages, m_first.programFolder(), this));
        m_lanes.push_back(Lane{m_own.back().get(), -1, 0, std::nullopt, false});
        connectLane(int(m_lanes.size()) - 1);
    }
    while (m_lanes.size() > wanted) {
        m_lanes.pop_back();
        m_own.pop_back();
    }
    for (Lane& lane : m_lanes) {
        lane.index = -1;
        lane.entry = 0;
        lane.job.reset();
        lane.converter->setLogs(m_first.logs());
        lane.converter->resume();
    }
}

bool ConverterLanes::anyBusy() const
{
    return std::any_of(m_lanes.begin(), m_lanes.end(), [](const Lane& lane) { return lane.index >= 0; });
}

bool ConverterLanes::holds(quint64 entry) const
{
    return std::any_of(m_lanes.begin(), m_lanes.end(),
                       [&](const Lane& lane) { return lane.index >= 0 && lane.entry == entry; });
}

QList<BatchJournal::Writing> ConverterLanes::writing() const
{
    QList<BatchJournal::Writing> outputs;
    for (const Lane& lane : m_lanes) {
        if (lane.index >= 0 && lane.job)
            outputs.append({lane.job->output, lane.existedBefore});
    }
    return outputs;
}

void ConverterLanes::stopAll()
{
    for (const Lane& lane : m_lanes)
        lane.converter->stop();
}

void ConverterLanes::endAllNow()
{
    for (const Lane& lane : m_lanes)
        lane.converter->endNow();
}

} // namespace tarnwick
