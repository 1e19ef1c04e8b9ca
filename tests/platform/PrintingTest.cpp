#include "platform/PainterGraphics.h"
#include "platform/Printing.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects, not the "/Type /Pages" tree that holds them.
int pageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next())
        ++count;
    return count;
}

// A white picture at 144 dots per inch, so one point is two pixels.
QImage blankPicture() {
    QImage picture(1200, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const int dotsPerMeter = qRound(144 / 0.0254);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    return picture;
}

// The box around everything drawn, in pixels.
QRect inkedArea(const QImage& picture) {
    QRect area;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128)
                area |= QRect(x, y, 1, 1);
    return area;
}

int inkedPixels(const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

QImage drawn(const std::function<void(Graphics&)>& draw) {
    QImage picture = blankPicture();
    {
        PainterGraphics g(picture);
        draw(g);
    }
    return picture;
}

}  // namespace

TEST(PdfGraphics, WritesOnePdfPagePerPageDrawn) {
    QTemporaryDir dir;
    const QString path = dir.filePath("checklist.pdf");
    PrinterSetup setup;
    setup.HorizontalResolution = 300;
    setup.VerticalResolution = 300;
    {
        std::unique_ptr<Graphics> g = PdfGraphics(FolderItem(path.toStdString()), setup);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(setup.HorizontalResolution, 72);
        EXPECT_EQ(setup.VerticalResolution, 72);
        g->SetBold(true);
        g->DrawString("Members", 47, 100);
        g->SetBold(false);
        g->NextPage();
        g->DrawString("Ada Lovelace", 47, 100);
        g->NextPage();
        g->DrawString("Émile Zola", 47, 100);
    }
    const QByteArray pdf = readFile(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pageCount(pdf), 3);
}

TEST(PdfGraphics, ReplacesAnOldFileOnlyWhenTheJobEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("checklist.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("last year's list");
    old.close();

    PrinterSetup setup;
    std::unique_ptr<Graphics> g = PdfGraphics(FolderItem(path.toStdString()), setup);
    ASSERT_NE(g, nullptr);
    g->DrawString("Members", 47, 100);
    EXPECT_EQ(readFile(path), "last year's list");
    g.reset();
    EXPECT_EQ(pageCount(readFile(path)), 1);
}

TEST(PdfGraphics, GivesNothingWhereNoFileCanBeMade) {
    QTemporaryDir dir;
    PrinterSetup setup;
    setup.HorizontalResolution = 300;
    EXPECT_EQ(PdfGraphics(FolderItem(dir.filePath("missing/list.pdf").toStdString()), setup),
              nullptr);
    EXPECT_EQ(setup.HorizontalResolution, 300);
}

TEST(PainterGraphics, PlacesTextInPointsWithItsBaseLineAtY) {
    const QImage picture = drawn([](Graphics& g) {
        g.SetTextSize(20);
        g.DrawString("HH", 47, 100);
    });
    const QRect ink = inkedArea(picture);
    // 144 dpi: (47, 100) points are (94, 200) pixels; "H" sits on the base line.
    EXPECT_NEAR(ink.left(), 94, 4);
    EXPECT_NEAR(ink.bottom(), 199, 2);
    // A capital is about 0.7 of the size: 14 points, 28 pixels.
    EXPECT_NEAR(ink.height(), 28, 5);
}

TEST(PainterGraphics, TextSizeIsPointsOnPaperAndBoldInksMore) {
    const auto capitalHeight = [](double points) {
        return inkedArea(drawn([points](Graphics& g) {
                   g.SetTextSize(points);
                   g.DrawString("H", 20, 200);
               }))
            .height();
    };
    EXPECT_NEAR(capitalHeight(40) / double(capitalHeight(10)), 4.0, 0.4);

    const auto ink = [](bool bold) {
        return inkedPixels(drawn([bold](Graphics& g) {
            g.SetTextSize(12);
            g.SetBold(bold);
            g.DrawString("Membership roll", 20, 100);
        }));
    };
    EXPECT_GT(ink(true), ink(false) * 1.15);
}

TEST(PainterGraphics, CondensedTextStaysWithinItsWidthAndWrappedTextRunsDown) {
    const std::string text = "Annual dues for the year, payable at the spring meeting";
    const QRect oneLine = inkedArea(drawn([&](Graphics& g) { g.DrawString(text, 20, 100); }));
    const QRect condensed =
        inkedArea(drawn([&](Graphics& g) { g.DrawString(text, 20, 100, 120, true); }));
    const QRect wrapped =
        inkedArea(drawn([&](Graphics& g) { g.DrawString(text, 20, 100, 120, false); }));

    EXPECT_GT(oneLine.width(), 240);
    EXPECT_LE(condensed.right(), 2 * (20 + 120));
    EXPECT_EQ(condensed.bottom(), oneLine.bottom());
    EXPECT_LE(wrapped.right(), 2 * (20 + 120));
    EXPECT_GT(wrapped.bottom(), oneLine.bottom() + 20);
    // The first line keeps the base line it was given.
    EXPECT_EQ(wrapped.top(), oneLine.top());
}
