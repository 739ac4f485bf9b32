#pragma once

#include "form/MainWidgets.h"

#include <QtGlobal>

class QWidget;

namespace tarnwick {

// The skin's style: colours, the toolbar's icons and the cover panel's
// picture, all drawn for the screen's pixel ratio.
void applySkinStyle(QWidget* window, MainWidgets& widgets);

// The size the cover panel's lines (coverText()) are drawn at, each whole,
// without wrapping.
inline constexpr qreal kCoverTextPoints = 12;

} // namespace tarnwick
