#pragma once

#include "platform/Control.h"

#include <string>
#include <string_view>

// A text shown on a window; it wraps onto several lines when multi-line.
// Where the installed font would not show a text that does not wrap whole in
// the label's box, it is drawn smaller until it does.
class Label : public Control {
public:
    explicit Label(std::string name, std::string_view text = {});

    std::string Text() const;
    void SetText(std::string_view text);
    void SetAlignment(Align alignment);
    void SetTextColor(int red, int green, int blue);
    void SetMultiline(bool multiline);

private:
    // As set: the label shows a carriage return as a line break.
    std::string text_;
};
