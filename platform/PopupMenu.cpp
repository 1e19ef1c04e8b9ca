#include "platform/PopupMenu.h"

#include "platform/QtText.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

QComboBox* comboBox(QWidget* widget) {
    return static_cast<QComboBox*>(widget);
}

}  // namespace

PopupMenu::PopupMenu(std::string name) : Control(std::move(name), new QComboBox) {
    QObject::connect(comboBox(widget()), &QComboBox::currentIndexChanged, context(), [this] {
        if (Change)
            Change();
    });
}

void PopupMenu::AddRow(std::string_view item) {
    QComboBox* box = comboBox(widget());
    // The toolkit chooses the first item added to an empty menu; here adding
    // chooses nothing.
    const int index = box->currentIndex();
    const QSignalBlocker quiet(box);
    box->addItem(toQString(item));
    box->setCurrentIndex(index);
}

int PopupMenu::ListCount() const {
    return comboBox(widget())->count();
}

std::string PopupMenu::List(int index) const {
    return toStdString(comboBox(widget())->itemText(index));
}

int PopupMenu::ListIndex() const {
    return comboBox(widget())->currentIndex();
}

void PopupMenu::SetListIndex(int index) {
    comboBox(widget())->setCurrentIndex(index);
}

std::string PopupMenu::Text() const {
    return toStdString(comboBox(widget())->currentText());
}
