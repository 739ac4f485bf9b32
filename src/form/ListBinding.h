#pragma once

class QComboBox;

namespace tarnwick {

class EditableList;

// Shows a list in a combo box and keeps the two in step: a user's choice or
// typed text goes to the list (raising its handler), and whatever the logic
// does to the list shows in the box. With a translation context the box
// shows each entry in the user's language; the list keeps its own texts.
void bindList(QComboBox* box, EditableList& list, const char* context = nullptr);

} // namespace tarnwick
