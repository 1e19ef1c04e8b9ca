#pragma once

#include "platform/Control.h"

#include <functional>
#include <string>
#include <string_view>

class QLineEdit;

// A single-line text field.
class TextField : public Control {
public:
    explicit TextField(std::string name);

    // The text as last set from code, byte for byte, until the user edits it.
    std::string Text() const;
    // Raises TextChange before returning when the text differs from before.
    // A text longer than the field can hold shows its start, read-only, and
    // Text() still gives all of it.
    void SetText(std::string_view text);

    void SetReadOnly(bool readOnly);
    void SetAlignment(Align alignment);

    std::function<void()> TextChange;
    // The text of a key released in the field; "\r" for Return.
    std::function<void(std::string_view key)> KeyUp;

    QLineEdit* lineEdit() const;

private:
    void raiseTextChange();
    void applyReadOnly();
    std::string bytes_;
    bool readOnly_ = false;
    // The field shows only the start of the text.
    bool cut_ = false;
};
