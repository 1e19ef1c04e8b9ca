#pragma once

#include "platform/Files.h"

#include <memory>
#include <string_view>

// The page set-up of a print run. Pages are drawn at 72 units per inch, so
// positions are points.
struct PrinterSetup {
    int HorizontalResolution = 72;
    int VerticalResolution = 72;
};

// The surface the pages of a print run are drawn on. Destroying it ends the
// print job.
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

// Pages printed into a PDF file, for "Print to File" and for tests. The file
// is replaced when the surface is destroyed; nothing when it can't be created.
std::unique_ptr<Graphics> PdfGraphics(const FolderItem& file, PrinterSetup& setup);
