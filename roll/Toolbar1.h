#pragma once

#include "platform/Toolbar.h"

// The main window's toolbar and its six buttons, from left to right.
class Toolbar1 : public Toolbar {
public:
    explicit Toolbar1(std::string name);

    ToolButton* Counts;
    ToolButton* Print;
    ToolButton* ToolItem1;  // flexible space
    ToolButton* AddButton;
    ToolButton* DeleteButton;
    ToolButton* ShowAllMembers;

private:
    ToolButton* appendButton(std::string_view name, ToolButton::StyleKind style,
                             std::string_view caption, std::string_view helpTag,
                             const Picture& icon);
};
