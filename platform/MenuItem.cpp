#include "platform/MenuItem.h"

#include "platform/MenuBarView.h"
#include "platform/Text.h"

MenuItem::MenuItem(std::string_view text) : Text(text), views_(std::make_unique<Views>()) {}

MenuItem::~MenuItem() = default;

void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    for (const QPointer<QAction>& action : views_->actions)
        if (action)
            action->setEnabled(enabled);
}

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
    children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(std::string_view name) const {
    for (const std::unique_ptr<MenuItem>& child : children_)
        if (SameText(child->Name, name))
            return child.get();
    return nullptr;
}

MenuItem* MenuItem::FindItem(std::string_view name) const {
    for (const std::unique_ptr<MenuItem>& child : children_) {
        if (SameText(child->Name, name))
            return child.get();
        if (MenuItem* below = child->FindItem(name))
            return below;
    }
    return nullptr;
}
