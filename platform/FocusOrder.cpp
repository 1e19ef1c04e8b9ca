#include "platform/FocusOrder.h"

#include "platform/Control.h"

#include <QWidget>

void SetFocusOrder(std::initializer_list<Control*> controls) {
    const Control* previous = nullptr;
    for (const Control* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous->widget(), control->widget());
        previous = control;
    }
}
