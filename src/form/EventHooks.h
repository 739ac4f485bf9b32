#pragma once

#include <QObject>

#include <functional>

class QMimeData;
class QMouseEvent;
class QWidget;

namespace tarnwick {

// Small event filters that turn a widget's mouse and drop events into calls,
// for the picture controls of the window that have no signals of their own.
namespace hooks {

void onClick(QWidget* widget, std::function<void()> call);
void onPress(QWidget* widget, std::function<void()> call);
void onMouseMove(QWidget* widget, std::function<void(QMouseEvent*)> call);
void onLeave(QWidget* widget, std::function<void()> call);
// Accepts every drag with the copy action and hands the drop's data over.
void onDrop(QWidget* widget, std::function<void(const QMimeData*)> call);

} // namespace hooks

} // namespace tarnwick
