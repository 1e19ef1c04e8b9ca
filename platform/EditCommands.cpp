#include "platform/EditCommands.h"

#include "platform/Text.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

enum class Command { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

Command commandNamed(std::string_view itemName) {
    static constexpr struct {
        std::string_view name;
        Command command;
    } commands[] = {
        {"EditUndo", Command::Undo},   {"EditCut", Command::Cut},
        {"EditCopy", Command::Copy},   {"EditPaste", Command::Paste},
        {"EditClear", Command::Clear}, {"EditSelectAll", Command::SelectAll},
    };
    for (const auto& entry : commands)
        if (SameText(entry.name, itemName))
            return entry.command;
    return Command::None;
}

bool clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// A field that hides what is typed gives nothing away through the clipboard.
bool canAct(Command command, const QLineEdit& field) {
    const bool writable = !field.isReadOnly();
    const bool shown = field.echoMode() == QLineEdit::Normal;
    switch (command) {
        case Command::Undo:
            return writable && field.isUndoAvailable();
        case Command::Cut:
            return writable && shown && field.hasSelectedText();
        case Command::Copy:
            return shown && field.hasSelectedText();
        case Command::Paste:
            return writable && clipboardHasText();
        case Command::Clear:
            return writable && field.hasSelectedText();
        case Command::SelectAll:
            return !field.text().isEmpty();
        case Command::None:
            break;
    }
    return false;
}

bool canAct(Command command, const QTextEdit& area) {
    const bool writable = !area.isReadOnly();
    const bool selection = area.textCursor().hasSelection();
    switch (command) {
        case Command::Undo:
            return writable && area.document()->isUndoAvailable();
        case Command::Cut:
            return writable && selection;
        case Command::Copy:
            return selection;
        case Command::Paste:
            return writable && area.canPaste();
        case Command::Clear:
            return writable && selection;
        case Command::SelectAll:
            return !area.document()->isEmpty();
        case Command::None:
            break;
    }
    return false;
}

void removeSelection(QLineEdit& field) {
    // With a selection, removes just the selection.
    field.del();
}

void removeSelection(QTextEdit& area) {
    QTextCursor cursor = area.textCursor();
    cursor.removeSelectedText();
    area.setTextCursor(cursor);
}

template <class Edit>
void act(Command command, Edit& edit) {
    switch (command) {
        case Command::Undo:
            edit.undo();
            break;
        case Command::Cut:
            edit.cut();
            break;
        case Command::Copy:
            edit.copy();
            break;
        case Command::Paste:
            edit.paste();
            break;
        case Command::Clear:
            removeSelection(edit);
            break;
        case Command::SelectAll:
            edit.selectAll();
            break;
        case Command::None:
            break;
    }
}

// The text field behind the control that has the focus: an editable combo
// box edits through its own field.
QLineEdit* textField(QWidget* focus) {
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(focus);
}

}  // namespace

namespace EditCommands {

bool IsEditCommand(std::string_view itemName) {
    return commandNamed(itemName) != Command::None;
}

bool CanAct(std::string_view itemName, QWidget* focus) {
    const Command command = commandNamed(itemName);
    if (command == Command::None || !focus || !focus->isEnabled())
        return false;
    if (QLineEdit* field = textField(focus))
        return canAct(command, *field);
    if (auto* area = qobject_cast<QTextEdit*>(focus))
        return canAct(command, *area);
    return false;
}

bool Act(std::string_view itemName, QWidget* focus) {
    if (!CanAct(itemName, focus))
        return false;
    const Command command = commandNamed(itemName);
    if (QLineEdit* field = textField(focus))
        act(command, *field);
    else if (auto* area = qobject_cast<QTextEdit*>(focus))
        act(command, *area);
    return true;
}

}  // namespace EditCommands
