#pragma once

#include "platform/Control.h"

#include <functional>
#include <string>
#include <string_view>

class QTextEdit;

// A multi-line text area. It may show styled text, but Text() is always the
// plain text, with EndOfLine between lines.
class TextArea : public Control {
public:
    explicit TextArea(std::string name);

    std::string Text() const;
    // Raises TextChange before returning when the text differs from before.
    void SetText(std::string_view text);

    void SetReadOnly(bool readOnly);
    // Underlines misspelled words, where a dictionary is installed.
    void SetSpellChecking(bool on);

    std::function<void()> TextChange;

    QTextEdit* textEdit() const;

private:
    void raiseTextChange();
    std::string bytes_;
    // The plain text the area showed when bytes_ were last taken.
    std::string shown_;
};
