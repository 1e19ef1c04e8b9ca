#pragma once

#include "platform/Printing.h"

#include <QPainter>
#include <memory>

class QPagedPaintDevice;
class QPrinter;

// Pages drawn with a QPainter scaled so that one unit is one point (1/72
// inch) whatever the device's resolution. Text sizes are points on paper too.
class PainterGraphics : public Graphics {
public:
    // Prints on the printer, which it keeps until the job ends.
    explicit PainterGraphics(std::unique_ptr<QPrinter> printer);
    // Draws on a device that stays the caller's; a device without pages
    // ignores NextPage.
    explicit PainterGraphics(QPaintDevice& device);
    ~PainterGraphics() override;

    // False when the device could not be drawn on.
    bool isActive() const { return painter_.isActive(); }

    void SetBold(bool bold) override;
    void SetTextSize(double points) override;
    void DrawString(std::string_view text, double x, double y, double wrapWidth = 0,
                    bool condense = false) override;
    void NextPage() override;

private:
    void begin(QPaintDevice* device);
    void applyState();

    std::unique_ptr<QPrinter> printer_;
    QPagedPaintDevice* pages_ = nullptr;
    QPainter painter_;
    bool bold_ = false;
    double size_ = 0;
};
