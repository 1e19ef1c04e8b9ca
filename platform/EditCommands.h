#pragma once

// Platform code only: the standard Edit menu commands on a text control.

#include <string_view>

class QWidget;

namespace EditCommands {

// Whether the menu item of that name is a standard editing command (EditUndo,
// EditCut, EditCopy, EditPaste, EditClear, EditSelectAll).
bool IsEditCommand(std::string_view itemName);
// Whether the command would change or copy something in that control now.
// Only text fields and text areas edit; any other control, or none, can't.
bool CanAct(std::string_view itemName, QWidget* focus);
// Runs the command on the control; false when it can't act.
bool Act(std::string_view itemName, QWidget* focus);

}  // namespace EditCommands
