#include "platform/Printing.h"

#include "platform/PainterGraphics.h"

#include <QSaveFile>

std::unique_ptr<Graphics> PdfGraphics(const FolderItem& file, PrinterSetup& setup) {
    auto output = std::make_unique<QSaveFile>(QString::fromStdString(file.Path().string()));
    if (!output->open(QIODevice::WriteOnly))
        return nullptr;
    auto graphics = std::make_unique<PainterGraphics>(std::move(output));
    if (!graphics->isActive())
        return nullptr;
    setup.HorizontalResolution = 72;
    setup.VerticalResolution = 72;
    return graphics;
}
