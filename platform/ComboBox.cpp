#include "platform/ComboBox.h"

#include <QComboBox>

ComboBox::ComboBox(std::string name) : ItemList(std::move(name), true) {
    QObject::connect(comboBox(), &QComboBox::currentTextChanged, context(), [this] {
        if (TextChanged)
            TextChanged();
    });
}
