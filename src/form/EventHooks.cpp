#include "form/EventHooks.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QWidget>

namespace tarnwick::hooks {

namespace {

class Filter : public QObject
{
public:
    using Test = std::function<bool(QObject*, QEvent*)>;
    Filter(QWidget* widget, Test test) : QObject(widget), m_test(std::move(test))
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override { return m_test(watched, event); }

private:
    Test m_test;
};

bool isLeft(QEvent* event)
{
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

} // namespace

void onClick(QWidget* widget, std::function<void()> call)
{
    new Filter(widget, [call = std::move(call)](QObject*, QEvent* event) {
        if (event->type() == QEvent::MouseButtonRelease && isLeft(event))
            call();
        return false;
    });
}

void onPress(QWidget* widget, std::function<void()> call)
{
    new Filter(widget, [call = std::move(call)](QObject*, QEvent* event) {
        if (event->type() == QEvent::MouseButtonPress)
            call();
        return false;
    });
}

void onMouseMove(QWidget* widget, std::function<void(QMouseEvent*)> call)
{
    widget->setMouseTracking(true);
    new Filter(widget, [call = std::move(call)](QObject*, QEvent* event) {
        if (event->type() == QEvent::MouseMove)
            call(static_cast<QMouseEvent*>(event));
        return false;
    });
}

void onLeave(QWidget* widget, std::function<void()> call)
{
    new Filter(widget, [call = std::move(call)](QObject*, QEvent* event) {
        if (event->type() == QEvent::Leave)
            call();
        return false;
    });
}

void onDrop(QWidget* widget, std::function<void(const QMimeData*)> call)
{
    widget->setAcceptDrops(true);
    new Filter(widget, [call = std::move(call)](QObject*, QEvent* event) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            call(drop->mimeData());
            return true;
        }
        default:
            return false;
        }
    });
}

} // namespace tarnwick::hooks
