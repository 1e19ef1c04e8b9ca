#include "roll/Pictures.h"

namespace {

// A load that gives nothing keeps nothing, so the next call tries again.
Picture stored(Picture& picture, const char* name) {
    if (picture.IsNull())
        picture = LoadResourcePicture(name);
    return picture;
}

}  // namespace

#define ROLLKEEP_PICTURE(name)         \
    Picture name() {                   \
        static Picture picture;        \
        return stored(picture, #name); \
    }

ROLLKEEP_PICTURE(groupclipartusergroup43)
ROLLKEEP_PICTURE(groupclipartusergroup42)
ROLLKEEP_PICTURE(tally)
ROLLKEEP_PICTURE(print_icon)
ROLLKEEP_PICTURE(AddIcon)
ROLLKEEP_PICTURE(deleteIcon)
ROLLKEEP_PICTURE(findIcon)
