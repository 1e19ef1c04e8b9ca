#include "platform/PainterGraphics.h"

#include "platform/QtText.h"

#include <QFontMetricsF>
#include <QPrinter>

PainterGraphics::PainterGraphics(std::unique_ptr<QPrinter> printer)
    : printer_(std::move(printer)), pages_(printer_.get()) {
    begin(printer_.get());
}

PainterGraphics::PainterGraphics(QPaintDevice& device) {
    begin(&device);
}

PainterGraphics::~PainterGraphics() {
    // Ending the painting sends the last page; the printer goes after it.
    if (painter_.isActive())
        painter_.end();
}

void PainterGraphics::begin(QPaintDevice* device) {
    if (!painter_.begin(device))
        return;
    painter_.setRenderHint(QPainter::TextAntialiasing);
    size_ = QFont().pointSizeF();
    applyState();
}

// The painter's transform and font are set again after each new page, as
// not every paint engine carries them over.
void PainterGraphics::applyState() {
    QPaintDevice* device = painter_.device();
    painter_.resetTransform();
    painter_.scale(device->logicalDpiX() / 72.0, device->logicalDpiY() / 72.0);

    // The painter's scale enlarges the font as well, so the font is asked
    // for at the size that comes out as size_ points once scaled. Unhinted
    // glyphs keep their true widths at that small size.
    QFont font = painter_.font();
    font.setBold(bold_);
    font.setPointSizeF(size_ * 72.0 / device->logicalDpiY());
    font.setHintingPreference(QFont::PreferNoHinting);
    painter_.setFont(font);
}

void PainterGraphics::SetBold(bool bold) {
    bold_ = bold;
    if (painter_.isActive())
        applyState();
}

void PainterGraphics::SetTextSize(double points) {
    if (points <= 0)
        return;
    size_ = points;
    if (painter_.isActive())
        applyState();
}

void PainterGraphics::DrawString(std::string_view text, double x, double y, double wrapWidth,
                                 bool condense) {
    if (!painter_.isActive())
        return;
    const QString line = toQString(text);
    if (wrapWidth <= 0) {
        painter_.drawText(QPointF(x, y), line);
        return;
    }
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    if (condense) {
        painter_.drawText(QPointF(x, y), metrics.elidedText(line, Qt::ElideRight, wrapWidth));
        return;
    }
    // Wrapped text keeps its first base line at y and runs down from there.
    const QRectF box(x, y - metrics.ascent(), wrapWidth, 1e6);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
}

void PainterGraphics::NextPage() {
    if (!painter_.isActive() || !pages_)
        return;
    pages_->newPage();
    applyState();
}
