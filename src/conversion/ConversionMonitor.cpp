#include "conversion/ConversionMonitor.h"


namespace tarnwick {

ConversionMonitor::ConversionMonitor(QObject* parent)
    : QObject(parent)
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
    m_parser.endRun();
}

} // namespace tarnwick
