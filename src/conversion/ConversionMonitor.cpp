#include "conversion/ConversionMonitor.h"

#include "conversion/ConversionQueue.h"

namespace tarnwick {

ConversionMonitor::ConversionMonitor(ConversionQueue& queue, QObject* parent)
    : QObject(parent), m_queue(queue)
{
}

void ConversionMonitor::resetBar()
{
    m_display.percent = 0;
    emit displayChanged(m_display);
}

void ConversionMonitor::objDOS_ReceiveOutputs(const QString& CommandOutputs)
{
    if (const auto display = m_parser.objDOS_ReceiveOutputs(CommandOutputs)) {
        m_display = *display;
        emit displayChanged(m_display);
    }
}

void ConversionMonitor::objDOS_CommandOver()
{
    m_queue.removeRunFront();
    m_parser.endRun();
}

} // namespace tarnwick
