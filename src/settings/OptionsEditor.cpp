#include "settings/OptionsEditor.h"

#include "settings/SettingsFiles.h"
#include "base/Text.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace tarnwick {

namespace {

// Fraction kept: 59.5 is over 59.
double number(const QString& text)
{
    return leadingValue(text);
}

} // namespace

OptionsEditor::OptionsEditor(const Options& record)
    : beep(record.beep), cutOn(record.cut.on)
{
    if (!cutOn)
        return;
    const auto fill = [this](qint32 total, Box first) {
        const qint64 t = total;
        const qint64 h = t / 3600;
        const qint64 m = (t - h * 3600) / 60;
        const qint64 s = t - h * 3600 - m * 60;
        boxes[first] = QString::number(h);
        boxes[first + 1] = QString::number(m);
        boxes[first + 2] = QString::number(s);
    };
    fill(record.cut.fromSeconds, FromH);
    fill(record.cut.toSeconds, ToH);
}

qint32 OptionsEditor::seconds(Box hours) const
{
    const double total = number(boxes[hours]) * 3600 + number(boxes[hours + 1]) * 60 + number(boxes[hours + 2]);
    const double whole = std::rint(total);
    return qint32(qBound<double>(std::numeric_limits<qint32>::min(), whole, std::numeric_limits<qint32>::max()));
}

std::optional<OptionsEditor::Refusal> OptionsEditor::accept(Options& record, const QString& optionsFile)
{
    // The range messages' own texts are Chinese; every catalogue, the
    // Chinese one too, gives them in its language.
    const QString minutes =
        QCoreApplication::translate("tarnwick::OptionsEditor", "分钟必须小于60");
    const QString minutesTitle = QCoreApplication::translate("tarnwick::OptionsEditor", "分钟");
    const QString secondsText =
        QCoreApplication::translate("tarnwick::OptionsEditor", "秒必须小于60");
    const QString secondsTitle = QCoreApplication::translate("tarnwick::OptionsEditor", "秒");
    for (Box box : {FromM, ToM})
        if (number(boxes[box]) > 59)
            return Refusal{minutes, minutesTitle, box};
    for (Box box : {FromS, ToS})
        if (number(boxes[box]) > 59)
            return Refusal{secondsText, secondsTitle, box};

    bool allZero = true;
    for (const QString& text : boxes)
        allZero = allZero && number(text) == 0;
    if (allZero)
        cutOn = false;

    record.beep = beep;
    record.cut = {cutOn, seconds(FromH), seconds(ToH)};
    SettingsFiles::writeFileAtomically(optionsFile, SettingsFiles::formatOptions(record));
    return std::nullopt;
}

} // namespace tarnwick
