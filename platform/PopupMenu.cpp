#include "platform/PopupMenu.h"

#include <QComboBox>

PopupMenu::PopupMenu(std::string name) : ItemList(std::move(name), false) {
    QObject::connect(comboBox(), &QComboBox::currentIndexChanged, context(), [this] {
        if (Change)
            Change();
    });
}
