// The main window as it opens: its frame, where every control sits, the state
// the controls start in, the list's headings and stripes, and the Tab order.

#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QWidget>

namespace {

const QColor kLightBlue(217, 233, 255);
const QColor kWhite(255, 255, 255);

class MainWindowLayoutTest : public ProgramTest {
protected:
    mainWindow& openShown() {
        mainWindow& main = mainWindow::instance();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.frame()));
        QCoreApplication::processEvents();
        return main;
    }

    // Where a control sits, measured from the window's content area.
    static QRect placeOf(const mainWindow& main, const Control& control) {
        const QWidget* widget = control.widget();
        return {widget->mapTo(main.frame()->centralWidget(), QPoint()), widget->size()};
    }

    // The colour of a cell of the list's view near its right edge, where no
    // text is drawn.
    static QColor groundOf(const mainWindow& main, const QImage& image, int row, int column) {
        const QTableView* view = main.memberList.view();
        const QRect cell = view->visualRect(view->model()->index(row, column));
        return image.pixelColor(cell.right() - 3, cell.center().y());
    }

    static QImage grabList(const mainWindow& main) {
        QCoreApplication::processEvents();
        return main.memberList.view()->viewport()->grab().toImage();
    }

    // The control holding the widget that has the keyboard focus.
    static std::string focusedControl(const mainWindow& main) {
        // The nearest control up from the focused widget: a combo box focuses
        // its own line edit, and every field sits inside the frame.
        for (const QWidget* widget = QApplication::focusWidget(); widget;
             widget = widget->parentWidget())
            for (int i = 0; i < main.ControlCount(); ++i)
                if (main.ControlAt(i).widget() == widget)
                    return main.ControlAt(i).Name();
        return "(none)";
    }

    // The control that the focus chain reaches next after a control.
    static std::string nextInChain(const mainWindow& main, const Control& control) {
        for (const QWidget* widget = control.widget()->nextInFocusChain();
             widget != control.widget(); widget = widget->nextInFocusChain()) {
            if (control.widget()->isAncestorOf(widget) || !(widget->focusPolicy() & Qt::TabFocus))
                continue;
            for (int i = 0; i < main.ControlCount(); ++i)
                if (main.ControlAt(i).widget() == widget)
                    return main.ControlAt(i).Name();
        }
        return "(none)";
    }
};

TEST_F(MainWindowLayoutTest, WindowIsAFixedRollkeepWindowWithoutZoom) {
    mainWindow& main = openShown();
    QMainWindow* frame = main.frame();
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.Title(), "Rollkeep");
    EXPECT_EQ(frame->centralWidget()->size(), QSize(1098, 641));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    const QSize before = frame->size();
    frame->resize(before + QSize(200, 150));
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->size(), before);
    EXPECT_EQ(frame->centralWidget()->size(), QSize(1098, 641));
}

TEST_F(MainWindowLayoutTest, TheWholeWindowIsCentredOnTheScreen) {
    mainWindow& main = openShown();
    QMainWindow* frame = main.frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    QCoreApplication::processEvents();
    // Toolbar and title bar included, not the content area alone.
    const QRect whole = frame->frameGeometry();
    EXPECT_GT(whole.height(), 641 + main.Toolbar11.toolBar()->height());
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((whole.center() - centre).manhattanLength(), 2);
}

TEST_F(MainWindowLayoutTest, EighteenHeadingsInOrderEvenWithAnEmptyRoll) {
    data.write("rkMemberList", "");
    mainWindow& main = openShown();
    ASSERT_EQ(main.memberList.ListCount(), 0);
    const std::vector<std::string> expected = {
        "Last Name", "First Name", "Member ID", "Email",    "Home Phone", "Mobile Phone",
        "Street",    "City",       "PC",        "Prov",     "Joined",     "Type",
        "Company",   "Paid/Due",   "Due Date",  "Year Pd.", "Notes",      "Status"};
    ASSERT_EQ(main.memberList.ColumnCount(), 18);
    const QTableView* view = main.memberList.view();
    EXPECT_FALSE(view->horizontalHeader()->isHidden());
    for (int column = 0; column < 18; ++column) {
        EXPECT_EQ(main.memberList.Heading(column), expected[column]) << column;
        // What the heading row really shows, not only what the list keeps.
        EXPECT_EQ(view->model()->headerData(column, Qt::Horizontal).toString().toStdString(),
                  expected[column])
            << column;
    }
}

TEST_F(MainWindowLayoutTest, StripesFollowTheRowIndexUnderTheSelection) {
    writeRoll({{.last = "Ames"}, {.last = "Bell"}, {.last = "Cole"}, {.last = "Dunn"}});
    mainWindow& main = openShown();
    ASSERT_EQ(main.memberList.ListCount(), 4);

    QImage image = grabList(main);
    // Cell 0, 0 may show the list's current cell; the columns past the
    // list's width are not drawn at all.
    for (int column : {2, 5}) {
        EXPECT_EQ(groundOf(main, image, 0, column), kLightBlue) << column;
        EXPECT_EQ(groundOf(main, image, 1, column), kWhite) << column;
        EXPECT_EQ(groundOf(main, image, 2, column), kLightBlue) << column;
        EXPECT_EQ(groundOf(main, image, 3, column), kWhite) << column;
    }

    // The stripe is only the ground: the selection is still drawn over it.
    main.memberList.SetListIndex(2);
    image = grabList(main);
    EXPECT_NE(groundOf(main, image, 2, 2), kLightBlue);
    EXPECT_EQ(groundOf(main, image, 0, 2), kLightBlue);

    // Rows move under the stripes; the stripes stay where they are.
    main.memberList.SetListIndex(-1);
    main.memberList.RemoveRow(0);
    image = grabList(main);
    ASSERT_EQ(main.memberList.view()->model()->rowCount(), 3);
    EXPECT_EQ(groundOf(main, image, 0, 2), kLightBlue);
    EXPECT_EQ(groundOf(main, image, 1, 2), kWhite);
    EXPECT_EQ(groundOf(main, image, 2, 2), kLightBlue);
}

TEST_F(MainWindowLayoutTest, ControlsStartInTheirStates) {
    // Members in the roll change nothing: no row is selected yet.
    writeRoll({{.last = "Ames", .email = "a@example.org"}});
    mainWindow& main = openShown();
    ASSERT_EQ(main.memberList.ListIndex(), -1);

    for (TextField* field :
         {&main.LastName, &main.firstName, &main.memberID, &main.EmailAddress, &main.HomePhone,
          &main.mobilePhone, &main.streetAddress, &main.cityFld, &main.postalZip,
          &main.provinceState, &main.joinedFld, &main.companyFld, &main.dueFld}) {
        EXPECT_FALSE(field->Enabled()) << field->Name();
        EXPECT_EQ(field->Text(), "") << field->Name();
    }
    for (Control* off : std::initializer_list<Control*>{&main.ComboBox1, &main.emailBtn,
                                                        &main.RenewBtn, &main.saveBtn})
        EXPECT_FALSE(off->Enabled()) << off->Name();
    for (Control* on :
         std::initializer_list<Control*>{&main.notesFld, &main.CheckBox1, &main.paymentBtn,
                                         &main.searchFld, &main.PushButton1, &main.memberList})
        EXPECT_TRUE(on->Enabled()) << on->Name();
    EXPECT_TRUE(main.saveBtn.Visible());
    EXPECT_FALSE(main.CheckBox1.Value());

    ASSERT_EQ(main.ComboBox1.ListCount(), 4);
    EXPECT_EQ(main.ComboBox1.List(0), "Individual");
    EXPECT_EQ(main.ComboBox1.List(1), "Family");
    EXPECT_EQ(main.ComboBox1.List(2), "Organization");
    EXPECT_EQ(main.ComboBox1.List(3), "Other");
    EXPECT_EQ(main.ComboBox1.ListIndex(), 0);
    EXPECT_EQ(main.ComboBox1.Text(), "Individual");

    EXPECT_EQ(main.infoLabel.Text(), "Member Information");
    EXPECT_EQ(main.memberCountFld.Text(), "1");
    EXPECT_TRUE(main.memberCountFld.lineEdit()->isReadOnly());
    EXPECT_TRUE(main.memberCountFld.lineEdit()->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(main.joinedFld.lineEdit()->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(main.dueFld.lineEdit()->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(main.Label16.Text(), "Membership Due Date\r");
}

TEST_F(MainWindowLayoutTest, ControlsSitWhereTheLayoutPutsThem) {
    mainWindow& main = openShown();
    struct Place {
        const Control& control;
        QRect rect;
    };
    const Place places[] = {
        {main.searchFld, {24, 20, 168, 22}},    {main.PushButton1, {204, 21, 119, 20}},
        {main.infoLabel, {335, 14, 724, 34}},   {main.memberList, {24, 54, 1054, 154}},
        {main.Label19, {24, 219, 108, 20}},     {main.memberCountFld, {133, 219, 80, 22}},
        {main.GroupBox1, {20, 251, 1053, 370}}, {main.firstName, {54, 283, 217, 22}},
        {main.LastName, {283, 283, 201, 22}},   {main.Label18, {54, 317, 100, 20}},
        {main.mobilePhone, {54, 449, 309, 22}}, {main.Label5, {375, 428, 100, 20}},
        {main.notesFld, {773, 449, 266, 78}},   {main.postalZip, {630, 503, 126, 22}},
        {main.Label10, {54, 538, 133, 20}},     {main.ComboBox1, {54, 559, 141, 20}},
        {main.Label8, {215, 537, 100, 20}},     {main.joinedFld, {213, 558, 170, 22}},
        {main.Label16, {405, 539, 146, 20}},    {main.dueFld, {405, 558, 170, 22}},
        {main.CheckBox1, {630, 450, 143, 20}},  {main.Label17, {775, 276, 264, 34}},
        {main.emailBtn, {377, 337, 107, 20}},   {main.RenewBtn, {503, 338, 180, 20}},
        {main.Canvas1, {855, 317, 101, 110}},   {main.Label22, {442, 579, 100, 20}},
        {main.paymentBtn, {587, 560, 169, 20}}, {main.saveBtn, {812, 551, 181, 34}},
    };
    for (const Place& place : places)
        EXPECT_EQ(placeOf(main, place.control), place.rect) << place.control.Name();

    // The form lives inside the frame, and every control is shown.
    for (const Control* inside :
         std::initializer_list<const Control*>{&main.firstName, &main.Label16, &main.CheckBox1,
                                               &main.notesFld, &main.saveBtn, &main.Canvas1})
        EXPECT_EQ(inside->widget()->parentWidget(), main.GroupBox1.widget()) << inside->Name();
    EXPECT_NE(main.searchFld.widget()->parentWidget(), main.GroupBox1.widget());
    for (int i = 0; i < main.ControlCount(); ++i)
        EXPECT_TRUE(main.ControlAt(i).widget()->isVisible()) << main.ControlAt(i).Name();
}

TEST_F(MainWindowLayoutTest, TextsKeepTheirSizesColoursAndAlignment) {
    mainWindow& main = openShown();
    const auto* info = static_cast<QLabel*>(main.infoLabel.widget());
    EXPECT_EQ(info->font().pixelSize(), 20);
    EXPECT_TRUE(info->alignment() & Qt::AlignRight);
    const auto* product = static_cast<QLabel*>(main.Label17.widget());
    EXPECT_EQ(product->text(), "Rollkeep");
    EXPECT_EQ(product->font().pixelSize(), 32);
    EXPECT_TRUE(product->alignment() & Qt::AlignHCenter);
    const auto* hint = static_cast<QLabel*>(main.Label22.widget());
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(102, 102, 102));
    EXPECT_TRUE(hint->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(main.saveBtn.widget()->font().pixelSize(), 18);
    EXPECT_EQ(main.saveBtn.Caption(), "Save New Member");
    EXPECT_EQ(main.paymentBtn.Caption(), "Payment Received");
    EXPECT_EQ(main.RenewBtn.Caption(), "Send Renewal Email");
}

TEST_F(MainWindowLayoutTest, TabWalksTheFormInItsOrderAndOnToTheSearchRow) {
    writeRoll({{.last = "Ames"}});
    mainWindow& main = openShown();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.frame()));
    // Every entry control takes the focus only once the form is usable.
    main.memberList.SetListIndex(0);

    const auto tabFrom = [&](Control& start, int steps) {
        start.widget()->setFocus();
        std::vector<std::string> visited = {focusedControl(main)};
        for (int step = 0; step < steps; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(focusedControl(main));
        }
        return visited;
    };
    EXPECT_EQ(tabFrom(main.firstName, 14),
              (std::vector<std::string>{"firstName", "LastName", "memberID", "EmailAddress",
                                        "HomePhone", "mobilePhone", "companyFld", "streetAddress",
                                        "cityFld", "provinceState", "postalZip", "ComboBox1",
                                        "joinedFld", "dueFld", "notesFld"}));
    EXPECT_EQ(
        tabFrom(main.CheckBox1, 3),
        (std::vector<std::string>{"CheckBox1", "searchFld", "PushButton1", "memberCountFld"}));

    // The list and the notes take a Tab key for themselves; what comes after
    // them is the next control of the focus chain.
    EXPECT_EQ(nextInChain(main, main.memberList), "firstName");
    EXPECT_EQ(nextInChain(main, main.notesFld), "CheckBox1");
}

}  // namespace
