#pragma once

#include <QString>

class QWidget;

namespace tarnwick {

struct MainWidgets;

// The program's own look: colours, the toolbar's icons and the cover panel's
// picture, all drawn for the screen's pixel ratio.
void applyLook(QWidget* window, MainWidgets& widgets);

// The lines the cover panel shows under the program's name, each drawn
// whole (no wrapping) at this size.
QString coverText();
inline constexpr qreal kCoverTextPoints = 12;

} // namespace tarnwick
