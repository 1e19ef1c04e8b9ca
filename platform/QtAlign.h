#pragma once

// The toolkit's horizontal alignment for a control's Align, for platform code only.

#include "platform/Control.h"

#include <QWidget>

inline Qt::Alignment toQtAlignment(Align alignment) {
    switch (alignment) {
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Default:
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}
