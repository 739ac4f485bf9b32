#include "media/Rotation.h"

#include <array>

namespace tarnwick {

namespace {

const QString kKey = QStringLiteral("rotate          : ");
constexpr qsizetype kKeyLength = 18;

RotationFilters turn(std::initializer_list<const char*> filters)
{
    RotationFilters t;
    for (const char* filter : filters)
        t.filters << QString::fromLatin1(filter);
    return t;
}

const std::array<RotationFilters, 6>& baseTable()
{
    static const std::array<RotationFilters, 6> table{
        turn({"transpose=1"}), turn({"transpose=2"}), turn({"vflip"}), turn({"hflip"}),
        turn({"transpose=2", "transpose=2"}), RotationFilters{},
    };
    return table;
}

const std::array<RotationFilters, 6>* declaredRow(const QString& declared)
{
    static const std::array<RotationFilters, 6> row90{
        RotationFilters{},
        turn({"transpose=2", "transpose=2"}),
        turn({"transpose=2", "vflip"}),
        turn({"transpose=2", "hflip"}),
        turn({"transpose=1"}),
        turn({"transpose=2"}),
    };
    static const std::array<RotationFilters, 6> row180{
        turn({"transpose=2"}),
        turn({"transpose=1"}),
        turn({"transpose=2", "transpose=2", "vflip"}),
        turn({"transpose=2", "transpose=2", "hflip"}),
        RotationFilters{},
        turn({"transpose=2", "transpose=2"}),
    };
    static const std::array<RotationFilters, 6> row270{
        turn({"transpose=2", "transpose=2"}),
        RotationFilters{},
        turn({"transpose=1", "vflip"}),
        turn({"transpose=1", "hflip"}),
        turn({"transpose=2"}),
        turn({"transpose=1"}),
    };
    if (declared == u"90")
        return &row90;
    if (declared == u"180")
        return &row180;
    if (declared == u"270")
        return &row270;
    return nullptr;
}

} // namespace

Rotation::Rotation()
    // Marked for the catalogues; a view shows them translated.
    : choices({QT_TRANSLATE_NOOP("tarnwick::Rotation", "90 Degree Clockwise"),
                 QT_TRANSLATE_NOOP("tarnwick::Rotation", "90 Degree Anticlockwise"),
                 QT_TRANSLATE_NOOP("tarnwick::Rotation", "Vertical Mirror"),
                 QT_TRANSLATE_NOOP("tarnwick::Rotation", "Horizontal Mirror"),
                 QT_TRANSLATE_NOOP("tarnwick::Rotation", "180 Degree"),
                 QT_TRANSLATE_NOOP("tarnwick::Rotation", "None")})
{
}

std::optional<QString> Rotation::baseFilter(int choice)
{
    if (choice < 0 || choice >= int(baseTable().size()))
        return std::nullopt;
    return baseTable()[choice].text();
}

std::optional<QString> Rotation::declaredFilter(const QString& declared, int choice)
{
    const auto* row = declaredRow(declared);
    if (!row || choice < 0 || choice >= int(row->size()))
        return std::nullopt;
    return (*row)[choice].text();
}

std::optional<RotationChoice> rotationChoiceAt(int position)
{
    if (position < 0 || position > int(RotationChoice::None))
        return std::nullopt;
    return RotationChoice(position);
}

RotationFilters Rotation::filtersFor(RotationChoice choice, const QString& declared)
{
    const auto position = std::size_t(choice);
    if (const auto* row = declaredRow(declared))
        return (*row)[position];
    return baseTable()[position];
}

QString Rotation::filterFor(int position, const QString& declared)
{
    const auto choice = rotationChoiceAt(position);
    return choice ? filtersFor(*choice, declared).text() : QString();
}

std::optional<QString> Rotation::scanChunk(const QString& chunk)
{
    const qsizetype length = chunk.size();
    const auto at = [&](qsizetype j, QLatin1String text) {
        return QStringView(chunk).mid(j, text.size()) == text;
    };
    // Start positions 1 .. L-18 counted from 1: a key that ends the chunk
    // is not looked at.
    for (qsizetype i = 0; i < length - kKeyLength; ++i) {
        if (QStringView(chunk).mid(i, kKeyLength) == kKey) {
            // The value is the first "90", "180" or "270" after the key,
            // anywhere further on in the chunk.
            for (qsizetype j = i + kKeyLength; j < length; ++j) {
                if (at(j, QLatin1String("90")))
                    return QStringLiteral("90");
                if (at(j, QLatin1String("180")))
                    return QStringLiteral("180");
                if (at(j, QLatin1String("270")))
                    return QStringLiteral("270");
            }
        }
    }
    return std::nullopt;
}

} // namespace tarnwick
