#pragma once

#include <initializer_list>

class Control;

// Keyboard focus moves through the controls in this order (Tab).
void SetFocusOrder(std::initializer_list<Control*> controls);
