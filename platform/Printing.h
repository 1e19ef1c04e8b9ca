#pragma once

#include <string_view>

// The surface the pages of a print run are drawn on, in points (72 to the
// inch) whatever the printer's resolution. Destroying it ends the print job.
class Graphics {
public:
    virtual ~Graphics() = default;
    virtual void SetBold(bool bold) = 0;
    virtual void SetTextSize(double points) = 0;
    // Draws one line of text with its base line at y.
    virtual void DrawString(std::string_view text, double x, double y, double wrapWidth = 0,
                            bool condense = false) = 0;
    virtual void NextPage() = 0;
};
