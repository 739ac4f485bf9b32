#include "settings/RateChoice.h"

#include "settings/ProgramSettings.h"

namespace tarnwick {

RateChoice::RateChoice(QObject* parent) : QObject(parent), m_constantQuality(ProgramSettings().constantQuality()) {}

void RateChoice::setConstantQuality(bool on)
{
    if (on != m_constantQuality)
        ProgramSettings().setConstantQuality(on);
    m_constantQuality = on;
    emit changed();
}

void RateChoice::setQuality(int quality)
{
    m_quality = quality;
    emit changed();
}

void RateChoice::setTargetBytes(qint64 bytes)
{
    m_targetBytes = qMax<qint64>(0, bytes);
    emit changed();
}

void RateChoice::formatChosen(const OutputFormat* format)
{
    m_quality = format ? format->quality.byDefault : -1;
    emit changed();
}

RateControl RateChoice::control(int kilobits) const
{
    return RateControl::chosen(m_targetBytes, m_constantQuality ? std::optional(m_quality) : std::nullopt,
                               kilobits);
}

void RateChoice::apply(const RateControl& rate)
{
    m_targetBytes = rate.mode == RateControl::Mode::Size ? rate.targetBytes : 0;
    if (rate.mode != RateControl::Mode::Size) {
        const bool quality = rate.mode == RateControl::Mode::Quality;
        if (quality != m_constantQuality)
            ProgramSettings().setConstantQuality(quality);
        m_constantQuality = quality;
        if (quality)
            m_quality = rate.quality;
    }
    emit changed();
}

} // namespace tarnwick
