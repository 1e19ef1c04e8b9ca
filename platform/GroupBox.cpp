#include "platform/GroupBox.h"

#include "platform/QtText.h"

#include <QGroupBox>

GroupBox::GroupBox(std::string name, std::string_view caption)
    : Control(std::move(name), new QGroupBox(toQString(caption))) {}
