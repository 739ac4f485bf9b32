#pragma once

#include "base/EditableList.h"
#include "media/RotationFilters.h"

#include <QString>

#include <optional>

namespace tarnwick {

// The rotation choices, in the order of the window's list, which the
// journal keeps as a number.
enum class RotationChoice { Clockwise, Anticlockwise, VerticalMirror, HorizontalMirror, HalfTurn, None };

// The choice at a position of the list; nullopt outside it.
std::optional<RotationChoice> rotationChoiceAt(int position);

// The rotation choice and the filter it gives. Before each file the encoder
// is run on the file alone; if its description declares a rotation, the
// filter is the one that reaches the chosen turn counting from the declared
// one.
class Rotation
{
public:
    Rotation();
    Rotation(const Rotation&) = delete;
    Rotation& operator=(const Rotation&) = delete;

    // The choices' captions, shown through the translations of this context.
    static constexpr const char* kCaptionContext = "tarnwick::Rotation";
    EditableList choices;

    // The filter for a choice when the file declares nothing; nullopt
    // outside 0 to 5.
    static std::optional<QString> baseFilter(int choice);
    // The filter for a choice on a file that declares "90", "180" or "270".
    static std::optional<QString> declaredFilter(const QString& declared, int choice);
    // The turn for a choice on a file that declared `declared` ("0" for
    // nothing), and the same as the rotation filter's text for a position
    // of the list (none outside it).
    static RotationFilters filtersFor(RotationChoice choice, const QString& declared);
    static QString filterFor(int position, const QString& declared);

    // The value the first key of a chunk gives: "90", "180", "270" or nothing.
    static std::optional<QString> scanChunk(const QString& chunk);
};

// What one probe's output declares, chunk by chunk: a later chunk's value
// replaces an earlier one; a key split over two chunks is not seen.
struct RotationScan {
    QString declared = QStringLiteral("0");
    void feed(const QString& chunk)
    {
        if (const auto value = Rotation::scanChunk(chunk))
            declared = *value;
    }
};

} // namespace tarnwick
