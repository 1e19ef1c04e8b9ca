#include "platform/Picture.h"

#include "platform/Application.h"
#include "platform/QtText.h"

#include <QFile>

Picture LoadResourcePicture(std::string_view name) {
    const FolderItem file = Application::ResourcesFolder().Child(std::string(name) + ".png");
    QPixmap pixmap;
    if (!pixmap.load(QFile::decodeName(file.Path().c_str())))
        return {};
    return Picture(std::move(pixmap));
}
