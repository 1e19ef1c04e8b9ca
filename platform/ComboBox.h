#pragma once

#include "platform/Control.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A combo box: a list of items to choose from, into which a text can also be typed.
class ComboBox : public Control {
public:
    explicit ComboBox(std::string name);

    void AddRow(std::string_view item);
    int ListCount() const;
    std::string List(int index) const;

    // The chosen item, -1 for none. Setting it raises TextChanged when the text changes.
    int ListIndex() const;
    void SetListIndex(int index);

    // The text shown: the chosen item's, or what was typed.
    std::string Text() const;

    std::function<void()> TextChanged;
};
