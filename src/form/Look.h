#pragma once

class QWidget;

namespace tarnwick {

struct MainWidgets;

// The program's own look: colours, the toolbar's icons and the cover panel's
// picture, all drawn for the screen's pixel ratio.
void applyLook(QWidget* window, MainWidgets& widgets);

} // namespace tarnwick
