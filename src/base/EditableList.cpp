#include "base/EditableList.h"

namespace tarnwick {

void EditableList::select(int position)
{
    if (position >= 0 && position < count()) {
        m_position = position;
        m_text = m_entries.at(position);
    } else {
        m_position = -1;
    }
    changed();
}

void EditableList::setText(const QString& text)
{
    m_text = text;
    m_position = int(m_entries.indexOf(text));
    changed();
}

void EditableList::changed()
{
    if (m_handler)
        m_handler();
    if (m_observer)
        m_observer();
}

} // namespace tarnwick
