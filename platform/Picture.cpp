#include "platform/Picture.h"

#include "platform/Application.h"
#include "platform/QtText.h"

#include <QFile>
#include <QPixmap>

Picture::Picture(const QPixmap& pixmap) : pixmap_(std::make_shared<const QPixmap>(pixmap)) {}

bool Picture::IsNull() const {
    return pixmap().isNull();
}

int Picture::Width() const {
    return pixmap().width();
}

int Picture::Height() const {
    return pixmap().height();
}

const QPixmap& Picture::pixmap() const {
    static const QPixmap none;
    return pixmap_ ? *pixmap_ : none;
}

Picture LoadResourcePicture(std::string_view name) {
    const FolderItem file = Application::ResourcesFolder().Child(std::string(name) + ".png");
    QPixmap pixmap;
    if (!pixmap.load(QFile::decodeName(file.Path().c_str())))
        return {};
    return Picture(pixmap);
}
