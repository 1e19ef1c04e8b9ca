#include "platform/Control.h"

#include "platform/QtText.h"

#include <QWidget>

Control::Control(std::string name, QWidget* widget)
    : name_(std::move(name)), widget_(widget), context_(std::make_unique<QObject>()) {
    widget->setObjectName(toQString(name_));
}

QWidget* Control::widget() const {
    return static_cast<QWidget*>(widget_.get());
}

Control::~Control() {
    // Connections die with the context, so the widget can outlive us quietly
    // while its window is torn down. A widget never placed on a window is ours.
    context_.reset();
    if (QWidget* own = widget(); own && !own->parent())
        delete own;
}

bool Control::Enabled() const {
    return widget()->isEnabled();
}

void Control::SetEnabled(bool enabled) {
    widget()->setEnabled(enabled);
}

bool Control::Visible() const {
    return !widget()->isHidden();
}

void Control::SetVisible(bool visible) {
    widget()->setVisible(visible);
}

void Control::SetTextFont(std::string_view family) {
    QFont font = widget()->font();
    if (family.empty() || family == "System")
        font.setFamily(QFont().family());
    else
        font.setFamilies({toQString(family), QFont().family()});
    widget()->setFont(font);
}

void Control::SetTextSize(double points) {
    // The window layouts are measured in points of 1/72 inch on a screen of
    // 72 units per inch: one point is one logical pixel, whatever the DPI.
    QFont font = widget()->font();
    font.setPixelSize(qRound(points));
    widget()->setFont(font);
}

void Control::SetBold(bool bold) {
    QFont font = widget()->font();
    font.setBold(bold);
    widget()->setFont(font);
}

void Control::SetItalic(bool italic) {
    QFont font = widget()->font();
    font.setItalic(italic);
    widget()->setFont(font);
}
