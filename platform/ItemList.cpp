#include "platform/ItemList.h"

#include "platform/QtText.h"

#include <QComboBox>
#include <QSignalBlocker>

ItemList::ItemList(std::string name, bool editable) : Control(std::move(name), new QComboBox) {
    QComboBox* box = comboBox();
    box->setEditable(editable);
    // What is typed is the text, never a new item.
    box->setInsertPolicy(QComboBox::NoInsert);
}

QComboBox* ItemList::comboBox() const {
    return static_cast<QComboBox*>(widget());
}

void ItemList::AddRow(std::string_view item) {
    QComboBox* box = comboBox();
    // Qt chooses the first item added to an empty list; here adding chooses
    // nothing and keeps what was typed.
    const int index = box->currentIndex();
    const QString typed = box->currentText();
    const QSignalBlocker quiet(box);
    box->addItem(toQString(item));
    if (box->currentIndex() != index) {
        box->setCurrentIndex(index);
        if (box->isEditable())
            box->setEditText(typed);
    }
}

int ItemList::ListCount() const {
    return comboBox()->count();
}

int ItemList::ListIndex() const {
    return comboBox()->currentIndex();
}

void ItemList::SetListIndex(int index) {
    QComboBox* box = comboBox();
    box->setCurrentIndex(index);
    // Choosing the item that is already chosen shows its text again over
    // whatever was typed since.
    if (box->isEditable() && index >= 0 && box->currentText() != box->itemText(index))
        box->setEditText(box->itemText(index));
}

std::string ItemList::Text() const {
    return comboBox()->currentText().toStdString();
}
