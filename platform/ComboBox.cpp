#include "platform/ComboBox.h"

#include "platform/QtText.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

QComboBox* comboBox(QWidget* widget) {
    return static_cast<QComboBox*>(widget);
}

}  // namespace

ComboBox::ComboBox(std::string name) : Control(std::move(name), new QComboBox) {
    QComboBox* box = comboBox(widget());
    box->setEditable(true);
    // What is typed is the text, never a new item.
    box->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(box, &QComboBox::currentTextChanged, context(), [this] {
        if (TextChanged)
            TextChanged();
    });
}

void ComboBox::AddRow(std::string_view item) {
    QComboBox* box = comboBox(widget());
    // The toolkit chooses the first item added to an empty box; here adding
    // chooses nothing and keeps what was typed.
    const int index = box->currentIndex();
    const QString typed = box->currentText();
    const QSignalBlocker quiet(box);
    box->addItem(toQString(item));
    if (box->currentIndex() != index) {
        box->setCurrentIndex(index);
        box->setEditText(typed);
    }
}

int ComboBox::ListCount() const {
    return comboBox(widget())->count();
}

std::string ComboBox::List(int index) const {
    return toStdString(comboBox(widget())->itemText(index));
}

int ComboBox::ListIndex() const {
    return comboBox(widget())->currentIndex();
}

void ComboBox::SetListIndex(int index) {
    comboBox(widget())->setCurrentIndex(index);
}

std::string ComboBox::Text() const {
    return toStdString(comboBox(widget())->currentText());
}
