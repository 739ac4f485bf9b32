#include "form/RowProgressDelegate.h"

#include "sources/Queue.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionProgressBar>

namespace tarnwick {

void RowProgressDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    const QVariant percent = index.data(Queue::ProgressRole);
    if (!percent.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, cell.widget);

    QStyleOptionProgressBar bar;
    bar.initFrom(cell.widget);
    bar.rect = option.rect.adjusted(2, 2, -2, -2);
    // The list is locked while a batch runs; the shares in it are not, and
    // are drawn to be read.
    bar.state = option.state | QStyle::State_Enabled | QStyle::State_Horizontal;
    bar.palette.setCurrentColorGroup(QPalette::Active);
    bar.minimum = 0;
    bar.maximum = 100;
    bar.progress = int(percent.toDouble());
    bar.text = QStringLiteral("%1%").arg(bar.progress);
    bar.textVisible = true;
    bar.textAlignment = Qt::AlignCenter;
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, cell.widget);
}

} // namespace tarnwick
