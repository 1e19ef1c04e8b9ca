// The printed checklist: what each line says, where it stands, and how the
// rows fill columns and pages.

#include "platform/Printing.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/RecordingGraphics.h"

#include <QFile>
#include <QRegularExpression>
#include <cstdio>

namespace {

using Text = Recording::Text;

// The name text and the due date text of one row.
struct Line {
    Text name, due;
};

// Where a row's line stands: page, x of the name, y.
struct At {
    int page;
    double x, y;
    bool operator==(const At&) const = default;
};

void PrintTo(const At& a, std::ostream* out) {
    *out << "page " << a.page << " at " << a.x << "," << a.y;
}

class ChecklistTest : public ProgramTest {
protected:
    // The main window listing `rows` members named by their row number.
    mainWindow& openWithRows(int rows) {
        mainWindow& main = mainWindow::instance();
        for (int i = 0; i < rows; ++i)
            addMember(main, lastName(i), "First" + std::to_string(i), dueDate(i));
        return main;
    }

    static void addMember(mainWindow& main, std::string_view last, std::string_view first,
                          std::string_view due) {
        Listbox& list = main.memberList;
        list.AddRow(last);
        list.SetCell(list.LastIndex(), 1, first);
        list.SetCell(list.LastIndex(), 14, due);
    }

    static std::string lastName(int row) {
        char name[16];
        std::snprintf(name, sizeof name, "Last%03d", row);
        return name;
    }
    static std::string dueDate(int row) {
        char date[16];
        std::snprintf(date, sizeof date, "2027-%02d-%02d", row % 12 + 1, row % 28 + 1);
        return date;
    }

    // Prints on a recording surface whose page set-up has the resolution given.
    std::shared_ptr<Recording> print(mainWindow& main, int resolution = 72) {
        auto recording = std::make_shared<Recording>();
        dialogs.AnswerPrint([recording, resolution](PrinterSetup& setup) {
            setup.HorizontalResolution = resolution;
            setup.VerticalResolution = resolution;
            return std::make_unique<RecordingGraphics>(recording);
        });
        main.PrintChecklist();
        return recording;
    }

    // In drawing order, after the title.
    static std::vector<Line> memberLines(const Recording& recording) {
        std::vector<Line> lines;
        for (size_t i = 1; i + 1 < recording.texts.size(); i += 2)
            lines.push_back({recording.texts[i], recording.texts[i + 1]});
        return lines;
    }

    static At at(const std::vector<Line>& lines, int row) {
        const Text& name = lines.at(static_cast<size_t>(row)).name;
        return {name.page, name.x, name.y};
    }
};

TEST_F(ChecklistTest, HundredRowsFollowTheWorkedExample) {
    mainWindow& main = openWithRows(100);
    const auto recording = print(main);
    EXPECT_EQ(recording->pages, 2);
    ASSERT_EQ(recording->texts.size(), 1u + 100 * 2);

    const Text& title = recording->texts.front();
    EXPECT_EQ(title.text, "Member Checklist     2026-06-15");
    EXPECT_EQ(title.page, 1);
    EXPECT_EQ(title.x, 47);
    EXPECT_EQ(title.y, 72);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.size, 0);

    const std::vector<Line> lines = memberLines(*recording);
    for (int row = 0; row < 100; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const Line& line = lines[static_cast<size_t>(row)];
        EXPECT_EQ(line.name.text, "____ " + lastName(row) + ", First" + std::to_string(row));
        EXPECT_EQ(line.due.text, dueDate(row));
        EXPECT_FALSE(line.name.bold);
        EXPECT_EQ(line.name.size, 10);
        EXPECT_EQ(line.due.size, 10);
        EXPECT_EQ(line.due.y, line.name.y);
        EXPECT_EQ(line.due.page, line.name.page);
        EXPECT_EQ(line.due.x, line.name.x + 170);
        if (row < 45)
            EXPECT_EQ(at(lines, row), (At{1, 47, 100.0 + 14 * row}));
        else if (row < 90)
            EXPECT_EQ(at(lines, row), (At{1, 297, 100.0 + 14 * (row - 45)}));
        else
            EXPECT_EQ(at(lines, row), (At{2, 72, 86.0 + 14 * (row - 90)}));
    }
    EXPECT_EQ(at(lines, 44).y, 716);
    EXPECT_EQ(at(lines, 89).y, 716);
    EXPECT_EQ(at(lines, 99).y, 212);
}

TEST_F(ChecklistTest, RowsFillColumnsAndPagesWithoutAnEmptyPage) {
    struct Case {
        int rows;
        int pages;
        // Rows whose place the layout fixes, with that place.
        std::vector<std::pair<int, At>> places;
    };
    const Case cases[] = {
        {0, 1, {}},
        {44, 1, {{43, {1, 47, 702}}}},
        {45, 1, {{44, {1, 47, 716}}}},
        {46, 1, {{44, {1, 47, 716}}, {45, {1, 297, 100}}}},
        {90, 1, {{89, {1, 297, 716}}}},
        {91, 2, {{89, {1, 297, 716}}, {90, {2, 72, 86}}}},
        {178, 2, {{133, {2, 72, 688}}, {134, {2, 322, 86}}, {177, {2, 322, 688}}}},
        {179, 3, {{177, {2, 322, 688}}, {178, {3, 72, 86}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows");
        mainWindow& main = openWithRows(c.rows);
        const auto recording = print(main);
        EXPECT_EQ(recording->pages, c.pages);
        ASSERT_EQ(recording->texts.size(), 1u + 2 * static_cast<size_t>(c.rows));
        EXPECT_EQ(recording->texts.front().text, "Member Checklist     2026-06-15");
        const std::vector<Line> lines = memberLines(*recording);
        for (int row = 0; row < c.rows; ++row)
            EXPECT_EQ(lines[static_cast<size_t>(row)].name.text.substr(5),
                      lastName(row) + ", First" + std::to_string(row));
        for (const auto& [row, place] : c.places)
            EXPECT_EQ(at(lines, row), place) << "row " << row;
        // Every page drawn on holds a line; the last one the last row.
        if (c.rows > 0) {
            EXPECT_EQ(lines.back().name.page, c.pages);
        }
        // Closing saves the list; the next case starts from no roll.
        closeAllWindows();
        data.dataFolder().Child("rkMemberList").Delete();
        dialogs.clear();
    }
}

TEST_F(ChecklistTest, FirstNamesAreCutToFifteenCharactersAndLastNamesNever) {
    mainWindow& main = mainWindow::instance();
    addMember(main, "Featherstonehaugh-Cholmondeley", "Maximilianus-Alexander", "2027-01-01");
    addMember(main, "Øster", "Åsa-Märta Sofía Ñ", "");
    addMember(main, "Fifteen", "ExactlyFifteen!", "2027-02-02");
    addMember(main, "", "", "");
    const auto lines = memberLines(*print(main));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].name.text, "____ Featherstonehaugh-Cholmondeley, Maximilianus-Al");
    // Characters, not bytes.
    EXPECT_EQ(lines[1].name.text, "____ Øster, Åsa-Märta Sofía");
    EXPECT_EQ(lines[1].due.text, "");
    EXPECT_EQ(lines[2].name.text, "____ Fifteen, ExactlyFifteen!");
    EXPECT_EQ(lines[3].name.text, "____ , ");
    EXPECT_EQ(lines[3].due.text, "");
}

TEST_F(ChecklistTest, SecondColumnStartsDoNotFollowTheResolution) {
    mainWindow& main = openWithRows(180);
    const auto recording = print(main, 144);
    const Text& title = recording->texts.front();
    EXPECT_EQ(title.x, 119);
    EXPECT_EQ(title.y, 144);
    const auto lines = memberLines(*recording);
    EXPECT_EQ(at(lines, 0), (At{1, 119, 172}));
    EXPECT_EQ(at(lines, 45), (At{1, 369, 100}));
    EXPECT_EQ(at(lines, 90), (At{2, 144, 158}));
    EXPECT_EQ(at(lines, 134), (At{2, 394, 86}));
    EXPECT_EQ(at(lines, 178), (At{3, 144, 158}));
    EXPECT_EQ(lines[178].due.x, 314);
}

TEST_F(ChecklistTest, PrintsTheRowsShownAndChangesNothing) {
    writeRoll({{.last = "Adams"}, {.last = "Brown"}, {.last = "Clark"}, {.last = "Dunn"}});
    mainWindow& main = mainWindow::instance();
    const std::string stored = data.read("rkMemberList");
    Globals::gSearchOn = true;
    main.memberList.RemoveRow(2);
    main.memberList.RemoveRow(0);
    main.memberList.SetListIndex(1);

    const auto lines = memberLines(*print(main));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].name.text, "____ Brown, ");
    EXPECT_EQ(at(lines, 0), (At{1, 47, 100}));
    EXPECT_EQ(lines[1].name.text, "____ Dunn, ");
    EXPECT_EQ(lines[1].due.text, "2027-03-01");

    EXPECT_EQ(data.read("rkMemberList"), stored);
    EXPECT_TRUE(Globals::gSearchOn);
    EXPECT_EQ(main.memberList.ListIndex(), 1);
    EXPECT_EQ(main.memberList.ListCount(), 2);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ChecklistTest, TitleCarriesTheDayTheCommandStarted) {
    mainWindow& main = openWithRows(1);
    auto recording = std::make_shared<Recording>();
    dialogs.AnswerPrint([recording](PrinterSetup&) {
        // Midnight passes while the print dialog is open.
        Clock::SetFixed(2026, 6, 16, 0, 1);
        return std::make_unique<RecordingGraphics>(recording);
    });
    main.PrintChecklist();
    ASSERT_FALSE(recording->texts.empty());
    EXPECT_EQ(recording->texts.front().text, "Member Checklist     2026-06-15");
}

TEST_F(ChecklistTest, CancelledDialogDrawsNothing) {
    mainWindow& main = openWithRows(3);
    dialogs.AnswerPrint(nullptr);
    main.PrintChecklist();
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked().front().kind, ScriptedDialogs::Kind::Print);
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);
}

TEST_F(ChecklistTest, ALongRollPrintsToAPdfOfThreePages) {
    mainWindow& main = openWithRows(179);
    const FolderItem pdf = data.root().Child("checklist.pdf");
    dialogs.AnswerPrint([&pdf](PrinterSetup& setup) { return PdfGraphics(pdf, setup); });
    main.PrintChecklist();

    QFile file(QString::fromStdString(pdf.Path().string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // Page objects, not the page tree that holds them.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int pages = 0;
    for (auto match = page.globalMatch(bytes); match.hasNext(); match.next())
        ++pages;
    EXPECT_EQ(pages, 3);
}

}  // namespace
