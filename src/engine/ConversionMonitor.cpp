#include "engine/ConversionMonitor.h"


namespace tarnwick {

ConversionMonitor::ConversionMonitor(QObject* parent)
    : QObject(parent)
{
}

void ConversionMonitor::resetBar()
{
    m_percent = 0;
    // The bar empties; the label keeps what it said (the last batch's
    // "Done." or this batch's last report) until the new run reports.
    emit barReset();
}

void ConversionMonitor::receiveOutputs(const QString& CommandOutputs)
{
    if (const auto percent = m_parser.receiveOutputs(CommandOutputs)) {
        m_percent = *percent;
        emit progressChanged(m_percent);
    }
}

void ConversionMonitor::commandOver()
{
    m_parser.endRun();
}

} // namespace tarnwick
