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
    // A text longer than the area lays out shows its start, read-only, and
    // Text() still gives all of it.
    void SetText(std::string_view text);

    void SetReadOnly(bool readOnly);
    // Underlines misspelled words, where a dictionary is installed.
    void SetSpellChecking(bool on);

    std::function<void()> TextChange;

    QTextEdit* textEdit() const;

private:
    void raiseTextChange();
    void applyReadOnly();
    std::string bytes_;
    bool readOnly_ = false;
    // The area shows only the start of the text.
    bool cut_ = false;
    // The plain text the area showed when bytes_ were last taken.
    std::string shown_;
};
