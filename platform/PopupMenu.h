#pragma once

#include "platform/ItemList.h"

#include <functional>

// A pop-up menu: a list of items, one of them chosen.
class PopupMenu : public ItemList {
public:
    explicit PopupMenu(std::string name);

    // Raised when another item is chosen, by a click or by SetListIndex.
    std::function<void()> Change;
};
