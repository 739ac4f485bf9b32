#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tarnwick {

// A list of fixed entries with a current selection: a position (-1 for none)
// and a text. Choosing an entry sets both; assigning a text selects the entry
// whose text equals it exactly, or none. A selection made from code raises the
// same handler as a user's choice, so the rules hanging off a list run
// however it was set. Pick-only lists simply never get a text assigned.
class EditableList
{
public:
    using Handler = std::function<void()>;

    EditableList() = default;
    explicit EditableList(QStringList entries) : m_entries(std::move(entries)) {}

    const QStringList& entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    int position() const { return m_position; }
    const QString& text() const { return m_text; }

    // Positions outside the list select nothing and leave the text as it is.
    void select(int position);
    void setText(const QString& text);

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // Told after the handler, for a view that mirrors the list.
    void setObserver(Handler observer) { m_observer = std::move(observer); }

private:
    void changed();

    QStringList m_entries;
    int m_position = -1;
    QString m_text;
    Handler m_handler;
    Handler m_observer;
};

} // namespace tarnwick
