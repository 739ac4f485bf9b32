#include "form/ReadingDirection.h"

#include <QGuiApplication>
#include <QLocale>
#include <QWidget>

namespace tarnwick {

void followLanguage(const QString& language)
{
    // Set every time: once set, Qt keeps a direction when catalogues come
    // and go, and a language without a Qt catalogue of its own would read
    // in the direction of the one before.
    QGuiApplication::setLayoutDirection(language.isEmpty() ? Qt::LeftToRight
                                                           : QLocale(language).textDirection());
}

void mirrorLayout(QWidget* form)
{
    if (!form->isRightToLeft())
        return;
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        child->move(form->width() - child->x() - child->width(), child->y());
    }
}

void resizeFromStart(QWidget* control, const QSize& size)
{
    const int end = control->x() + control->width();
    control->resize(size);
    if (control->isRightToLeft())
        control->move(end - control->width(), control->y());
}

QString inOwnDirection(const QString& text)
{
    // First strong isolate ... pop directional isolate: the text takes the
    // direction of its first letter, and lends none to what surrounds it.
    return QChar(0x2068) + text + QChar(0x2069);
}

QString OwnDirectionDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
    return inOwnDirection(QStyledItemDelegate::displayText(value, locale));
}

} // namespace tarnwick
