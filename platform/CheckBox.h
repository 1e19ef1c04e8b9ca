#pragma once

#include "platform/Control.h"

#include <functional>
#include <string>
#include <string_view>

// A check box with its caption.
class CheckBox : public Control {
public:
    explicit CheckBox(std::string name, std::string_view caption = {});

    bool Value() const;
    // Raises Action before returning when the value changes.
    void SetValue(bool ticked);

    // Raised whenever the value changes, by a click or from code.
    std::function<void()> Action;
};
