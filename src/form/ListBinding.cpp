#include "form/ListBinding.h"

#include "base/EditableList.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tarnwick {

void bindList(QComboBox* box, EditableList& list, const char* context)
{
    box->clear();
    for (const QString& entry : list.entries())
        box->addItem(context ? QCoreApplication::translate(context, entry.toUtf8().constData())
                             : entry);
    const auto show = [box, &list] {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(list.position());
        if (box->isEditable() && box->currentText() != list.text())
            box->setEditText(list.text());
    };
    list.setObserver(show);
    show();
    // activated, not currentIndexChanged: choosing the same entry again
    // re-applies its rule, as a click on the list does.
    QObject::connect(box, &QComboBox::activated, box, [&list](int index) { list.select(index); });
    if (box->isEditable()) {
        QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box,
                         [&list](const QString& text) { list.setText(text); });
    }
}

} // namespace tarnwick
