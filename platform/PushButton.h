#pragma once

#include "platform/Control.h"

#include <functional>
#include <string>
#include <string_view>

// A push button.
class PushButton : public Control {
public:
    explicit PushButton(std::string name, std::string_view caption = {});

    std::string Caption() const;
    // Return presses the window's default button, Escape its cancel button.
    void SetDefault(bool isDefault);
    void SetCancel(bool isCancel);

    // Presses the button from code, as a click does.
    void Push();

    std::function<void()> Action;
};
