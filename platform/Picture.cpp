#include "platform/Picture.h"

#include "platform/Application.h"
#include "platform/QtText.h"

#include <QFile>

Picture LoadResourcePicture(std::string_view name) {
    // The executable lives in bin/, and Resources/ is beside bin/.
    const FolderItem file = Application::ExecutableFile()
                                .Parent()
                                .Parent()
                                .Child("Resources")
                                .Child(std::string(name) + ".png");
    QPixmap pixmap;
    if (!pixmap.load(QFile::decodeName(file.Path().c_str())))
        return {};
    return Picture(std::move(pixmap));
}
