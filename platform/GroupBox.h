#pragma once

#include "platform/Control.h"

#include <string_view>

// A frame that holds other controls.
class GroupBox : public Control {
public:
    explicit GroupBox(std::string name, std::string_view caption = {});
};
