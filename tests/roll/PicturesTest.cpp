// The seven pictures: each accessor gives its own bundled picture, loads it
// once and shares it with every window and button that shows it.

#include "platform/Application.h"
#include "roll/Pictures.h"
#include "tests/support/ProgramTest.h"

#include <QImage>
#include <QPixmapCache>

namespace {

struct Accessor {
    const char* name;
    Picture (*get)();
};

const Accessor kPictures[] = {
    {"groupclipartusergroup43", groupclipartusergroup43},
    {"groupclipartusergroup42", groupclipartusergroup42},
    {"tally", tally},
    {"print_icon", print_icon},
    {"AddIcon", AddIcon},
    {"deleteIcon", deleteIcon},
    {"findIcon", findIcon},
};

QImage bundled(const char* name) {
    const FolderItem file = Application::ExecutableFile()
                                .Parent()
                                .Parent()
                                .Child("Resources")
                                .Child(std::string(name) + ".png");
    return QImage(QString::fromStdString(file.Path().string()))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

class PicturesTest : public ProgramTest {};

TEST_F(PicturesTest, EachAccessorGivesItsOwnBundledPicture) {
    for (const Accessor& picture : kPictures) {
        const QImage expected = bundled(picture.name);
        ASSERT_FALSE(expected.isNull()) << picture.name << " is not in the bundle";
        const Picture got = picture.get();
        ASSERT_FALSE(got.IsNull()) << picture.name;
        EXPECT_EQ(got.Width(), expected.width()) << picture.name;
        EXPECT_EQ(got.Height(), expected.height()) << picture.name;
        EXPECT_EQ(got.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  expected)
            << picture.name;
    }
}

TEST_F(PicturesTest, EachPictureIsLoadedOnceAndKept) {
    for (const Accessor& picture : kPictures) {
        const qint64 first = picture.get().pixmap().cacheKey();
        // The toolkit's own cache would hand a fresh load the same pixmap;
        // emptied, only a picture the accessor kept keeps its key.
        QPixmapCache::clear();
        EXPECT_EQ(picture.get().pixmap().cacheKey(), first) << picture.name;
        EXPECT_EQ(picture.get().pixmap().cacheKey(), first) << picture.name;
    }
}

TEST_F(PicturesTest, WindowsAndButtonsShareTheStoredPictures) {
    mainWindow& main = mainWindow::instance();
    const Toolbar1& bar = main.Toolbar11;
    EXPECT_EQ(bar.Counts->Icon.pixmap().cacheKey(), tally().pixmap().cacheKey());
    EXPECT_EQ(bar.Print->Icon.pixmap().cacheKey(), print_icon().pixmap().cacheKey());
    EXPECT_EQ(bar.AddButton->Icon.pixmap().cacheKey(), AddIcon().pixmap().cacheKey());
    EXPECT_EQ(bar.DeleteButton->Icon.pixmap().cacheKey(), deleteIcon().pixmap().cacheKey());
    EXPECT_EQ(bar.ShowAllMembers->Icon.pixmap().cacheKey(),
              groupclipartusergroup43().pixmap().cacheKey());
    EXPECT_EQ(main.Canvas1.Backdrop().pixmap().cacheKey(),
              groupclipartusergroup43().pixmap().cacheKey());
}

}  // namespace
