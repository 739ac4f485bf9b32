#include "job/RunSettings.h"

#include "media/OutputFormats.h"

#include <QDir>
#include <QJsonObject>

namespace tarnwick {

QJsonObject toJson(const RunSettings& s)
{
    const int kilobits = s.rate.mode == RateControl::Mode::Bitrate ? s.rate.kilobits : 0;
    QJsonObject object{{"outputFolder", s.outputFolder},
                       {"internalIndex", s.format ? s.format->internalIndex : -1},
                       {"bitrateText", kilobits > 0 ? QString::number(kilobits) : QString()},
                       {"rotationChoice", int(s.rotationChoice)},
                       {"musicCutter", s.countedSeconds ? 1 : 0},
                       {"cutToSeconds", s.countedSeconds.value_or(0)},
                       {"beepAtEnd", s.beep},
                       {"webOptimized", s.webOptimized},
                       {"hdrToSdr", s.hdrToSdr},
                       {"cropBlackBars", s.cropBlackBars},
                       {"loudness", s.loudness.settingText()},
                       {"planOnly", s.planOnly}};
    if (s.rate.mode == RateControl::Mode::Quality)
        object.insert("quality", s.rate.quality);
    else if (s.rate.mode == RateControl::Mode::Size)
        object.insert("targetBytes", double(s.rate.targetBytes));
    return object;
}

std::optional<RunSettings> runSettingsFromJson(const QJsonObject& s)
{
    const bool ours = s.value("outputFolder").isString() && QDir::isAbsolutePath(s.value("outputFolder").toString()) &&
                      s.value("internalIndex").isDouble() && s.value("bitrateText").isString() &&
                      s.value("rotationChoice").isDouble();
    if (!ours)
        return std::nullopt;
    RunSettings settings;
    settings.outputFolder = s.value("outputFolder").toString();
    settings.format = formatForIndex(s.value("internalIndex").toInt());
    const double target = s.value("targetBytes").toDouble();
    settings.rate = RateControl::chosen(target >= 1 && target <= 1e15 ? qint64(target) : 0,
                                        s.value("quality").isDouble() ? std::optional(s.value("quality").toInt())
                                                                      : std::nullopt,
                                        kilobitsFromText(s.value("bitrateText").toString()));
    settings.rotationChoice = rotationChoiceAt(s.value("rotationChoice").toInt()).value_or(RotationChoice::None);
    if (s.value("musicCutter").toInt() != 0)
        settings.countedSeconds = s.value("cutToSeconds").toInt();
    settings.beep = s.value("beepAtEnd").toBool();
    settings.webOptimized = s.value("webOptimized").toBool();
    settings.hdrToSdr = s.value("hdrToSdr").toBool();
    settings.cropBlackBars = s.value("cropBlackBars").toBool();
    settings.loudness = parseLoudness(s.value("loudness").toString(QStringLiteral("off"))).target;
    settings.planOnly = s.value("planOnly").toBool();
    return settings;
}

} // namespace tarnwick
