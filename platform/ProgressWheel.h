#pragma once

#include "platform/Control.h"

// A small wheel that turns while it is shown, to say that work goes on.
class ProgressWheel : public Control {
public:
    explicit ProgressWheel(std::string name);
};
