#include "engine/ConversionMonitor.h"


namespace tarnwick {

ConversionMonitor::ConversionMonitor(QObject* parent)
    : QObject(parent)
{
}

void ConversionMonitor::resetBar()
{
    m_percent = 0;
    setSpan(0, 100);
    // The bar empties; the label keeps what it said (the last batch's
    // "Done." or this batch's last report) until the new run reports.
    emit barReset();
}

void ConversionMonitor::receiveOutputs(const QString& CommandOutputs)
{
    if (const auto percent = m_parser.receiveOutputs(CommandOutputs)) {
        m_percent = m_from + *percent * (m_to - m_from) / 100;
        emit progressChanged(m_percent);
    }
}

void ConversionMonitor::commandOver()
{
    m_parser.endRun();
}

} // namespace tarnwick
