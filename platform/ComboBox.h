#pragma once

#include "platform/ItemList.h"

#include <functional>

// A combo box: a list of items to choose from, into which a text can also be typed.
class ComboBox : public ItemList {
public:
    explicit ComboBox(std::string name);

    // Raised when the text changes: an item chosen (also by SetListIndex) or typed.
    std::function<void()> TextChanged;
};
