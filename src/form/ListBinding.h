#pragma once

class QComboBox;

namespace tarnwick {

class EditableList;

// Shows a list in a combo box and keeps the two in step: a user's choice or
// typed text goes to the list (raising its handler), and whatever the logic
// does to the list shows in the box.
void bindList(QComboBox* box, EditableList& list);

} // namespace tarnwick
