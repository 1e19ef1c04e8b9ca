#pragma once

#include "platform/Control.h"

#include <string>
#include <string_view>

// A text shown on a window; it wraps onto several lines when multi-line.
class Label : public Control {
public:
    explicit Label(std::string name, std::string_view text = {});

    std::string Text() const;
    void SetText(std::string_view text);
    // The size its text is drawn at: its text size, or smaller where the
    // installed font would not show the whole text in the label's box.
    double ShownTextSize() const;
    void SetAlignment(Align alignment);
    void SetTextColor(int red, int green, int blue);
    void SetMultiline(bool multiline);

private:
    // As set: the label shows a carriage return as a line break.
    std::string text_;
};
