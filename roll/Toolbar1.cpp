#include "roll/Toolbar1.h"

#include "roll/Pictures.h"

Toolbar1::Toolbar1(std::string name)
    : Toolbar(std::move(name)),
      Counts(appendButton("Counts", ToolButton::PushButtonStyle, "Show Counts",
                          "Show Paid/Active counts", tally())),
      Print(appendButton("Print", ToolButton::PushButtonStyle, "Print Checklist", "Print checklist",
                         print_icon())),
      ToolItem1(
          appendButton("ToolItem1", ToolButton::FlexibleSpaceStyle, "Untitled", "", Picture())),
      AddButton(appendButton("AddButton", ToolButton::PushButtonStyle, "Add Member", "Add a member",
                             AddIcon())),
      DeleteButton(appendButton("DeleteButton", ToolButton::PushButtonStyle, "Delete Member",
                                "Delete selected member", deleteIcon())),
      ShowAllMembers(appendButton("ShowAllMembers", ToolButton::PushButtonStyle, "Show All Members",
                                  "Show all members in list", groupclipartusergroup43())) {}

ToolButton* Toolbar1::appendButton(std::string_view name, ToolButton::StyleKind style,
                                   std::string_view caption, std::string_view helpTag,
                                   const Picture& icon) {
    auto button = std::make_unique<ToolButton>();
    button->Name = name;
    button->Style = style;
    button->SetEnabled(true);
    button->Caption = caption;
    button->HelpTag = helpTag;
    button->Icon = icon;
    return &Append(std::move(button));
}
