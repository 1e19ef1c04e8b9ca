// What the checklist draws on its pages is tried in tests/dues/ChecklistTest.cpp;
// here, where the printer's painter puts text.

#include "platform/PainterGraphics.h"

#include <gtest/gtest.h>
#include <QImage>
#include <functional>

namespace {

// The box around everything the drawing inked on a white picture at 144 dots
// per inch, so that one point is two pixels.
QRect inkedArea(const std::function<void(Graphics&)>& draw) {
    QImage picture(1200, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const int dotsPerMeter = qRound(144 / 0.0254);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    {
        PainterGraphics g(picture);
        draw(g);
    }
    QRect area;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128)
                area |= QRect(x, y, 1, 1);
    return area;
}

}  // namespace

TEST(PainterGraphics, PlacesTextInPointsOnItsBaseLineAndWithinItsWidth) {
    const QRect capitals = inkedArea([](Graphics& g) {
        g.SetTextSize(20);
        g.DrawString("HH", 47, 100);
    });
    // (47, 100) points are (94, 200) pixels; "H" sits on the base line, and a
    // capital is about 0.7 of the size: 14 points, 28 pixels.
    EXPECT_NEAR(capitals.left(), 94, 4);
    EXPECT_NEAR(capitals.bottom(), 199, 2);
    EXPECT_NEAR(capitals.height(), 28, 5);

    const std::string text = "Annual dues for the year, payable at the spring meeting";
    const QRect oneLine = inkedArea([&](Graphics& g) { g.DrawString(text, 20, 100); });
    const QRect condensed = inkedArea([&](Graphics& g) { g.DrawString(text, 20, 100, 120, true); });
    const QRect wrapped = inkedArea([&](Graphics& g) { g.DrawString(text, 20, 100, 120, false); });
    EXPECT_GT(oneLine.width(), 240);
    EXPECT_LE(condensed.right(), 2 * (20 + 120));
    EXPECT_EQ(condensed.bottom(), oneLine.bottom());
    EXPECT_LE(wrapped.right(), 2 * (20 + 120));
    EXPECT_GT(wrapped.bottom(), oneLine.bottom() + 20);
    // The first line keeps the base line it was given.
    EXPECT_EQ(wrapped.top(), oneLine.top());
}
