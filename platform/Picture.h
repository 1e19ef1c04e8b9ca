#pragma once

#include <memory>
#include <string_view>

class QPixmap;

// A picture loaded from the application's Resources folder. Copies share the
// one image.
class Picture {
public:
    Picture() = default;
    explicit Picture(const QPixmap& pixmap);

    bool IsNull() const;
    int Width() const;
    int Height() const;
    // For the platform's own drawing; an empty pixmap for a null picture.
    const QPixmap& pixmap() const;

private:
    std::shared_ptr<const QPixmap> pixmap_;
};

// Loads "<name>.png" from the Resources folder beside the program (the folder
// "Resources" two levels above the executable). A null picture when it can't.
Picture LoadResourcePicture(std::string_view name);
