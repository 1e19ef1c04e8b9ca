#include "platform/Control.h"

#include "platform/QtText.h"

Control::Control(std::string name, QWidget* widget)
    : name_(std::move(name)), widget_(widget), context_(std::make_unique<QObject>()) {
    widget_->setObjectName(toQString(name_));
}

Control::~Control() {
    // Connections die with the context, so the widget can outlive us quietly
    // while its window is torn down. A widget never placed on a window is ours.
    context_.reset();
    if (widget_ && !widget_->parent())
        delete widget_.data();
}

bool Control::Enabled() const {
    return widget_->isEnabled();
}

void Control::SetEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

bool Control::Visible() const {
    return !widget_->isHidden();
}

void Control::SetVisible(bool visible) {
    widget_->setVisible(visible);
}

void Control::SetTextFont(std::string_view family) {
    QFont font = widget_->font();
    if (family.empty() || family == "System")
        font.setFamily(QFont().family());
    else
        font.setFamilies({toQString(family), QFont().family()});
    widget_->setFont(font);
}

void Control::SetTextSize(double points) {
    // The window layouts are measured in points of 1/72 inch on a screen of
    // 72 units per inch: one point is one logical pixel, whatever the DPI.
    QFont font = widget_->font();
    font.setPixelSize(qRound(points));
    widget_->setFont(font);
}

void Control::SetBold(bool bold) {
    QFont font = widget_->font();
    font.setBold(bold);
    widget_->setFont(font);
}

void Control::SetItalic(bool italic) {
    QFont font = widget_->font();
    font.setItalic(italic);
    widget_->setFont(font);
}
