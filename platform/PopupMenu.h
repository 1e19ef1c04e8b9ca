#pragma once

#include "platform/Control.h"

#include <functional>
#include <string>
#include <string_view>

// A pop-up menu: a list of items, one of them chosen.
class PopupMenu : public Control {
public:
    explicit PopupMenu(std::string name);

    void AddRow(std::string_view item);
    int ListCount() const;
    std::string List(int index) const;

    int ListIndex() const;
    void SetListIndex(int index);
    std::string Text() const;

    std::function<void()> Change;
};
