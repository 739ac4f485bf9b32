#pragma once

#include <QStyledItemDelegate>

namespace tarnwick {

// The queue's Format cell of a file that is converting while others are
// too: a bar with the file's own percentage. Every other cell as usual.
class RowProgressDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace tarnwick
