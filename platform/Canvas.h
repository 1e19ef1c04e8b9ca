#pragma once

#include "platform/Control.h"
#include "platform/Picture.h"

// A drawing area; here it shows a backdrop picture, scaled to fit, on a
// transparent ground.
class Canvas : public Control {
public:
    explicit Canvas(std::string name);
    void SetBackdrop(const Picture& picture);
};
