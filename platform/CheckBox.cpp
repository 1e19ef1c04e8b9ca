#include "platform/CheckBox.h"

#include "platform/QtText.h"

#include <QCheckBox>

namespace {

QCheckBox* checkBox(QWidget* widget) {
    return static_cast<QCheckBox*>(widget);
}

}  // namespace

CheckBox::CheckBox(std::string name, std::string_view caption)
    : Control(std::move(name), new QCheckBox(toQString(caption))) {
    // toggled comes only with a real change, from a click or setChecked alike.
    QObject::connect(checkBox(widget()), &QCheckBox::toggled, context(), [this] {
        if (Action)
            Action();
    });
}

bool CheckBox::Value() const {
    return checkBox(widget())->isChecked();
}

void CheckBox::SetValue(bool ticked) {
    checkBox(widget())->setChecked(ticked);
}
