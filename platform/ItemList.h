#pragma once

#include "platform/Control.h"

#include <string>
#include <string_view>

class QComboBox;

// What pop-up menus and combo boxes share: a list of items, one of them chosen.
class ItemList : public Control {
public:
    // Appends an item; adding chooses nothing (and keeps what was typed).
    void AddRow(std::string_view item);
    int ListCount() const;

    // The chosen item, -1 for none. Choosing an item shows its text, also
    // when it was chosen already and a text was typed over it.
    int ListIndex() const;
    void SetListIndex(int index);

    // The text shown: the chosen item's, or what was typed into a combo box.
    std::string Text() const;

protected:
    ItemList(std::string name, bool editable);
    QComboBox* comboBox() const;
};
