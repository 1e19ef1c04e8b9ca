#pragma once

#include <QPixmap>
#include <string_view>

// A picture loaded from the application's Resources folder.
class Picture {
public:
    Picture() = default;
    explicit Picture(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}

    bool IsNull() const { return pixmap_.isNull(); }
    int Width() const { return pixmap_.width(); }
    int Height() const { return pixmap_.height(); }
    const QPixmap& pixmap() const { return pixmap_; }

private:
    QPixmap pixmap_;
};

// Loads "<name>.png" from the Resources folder beside the program (the folder
// "Resources" two levels above the executable). A null picture when it can't.
Picture LoadResourcePicture(std::string_view name);
