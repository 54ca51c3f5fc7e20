// The component on windows of the test's own, built the way a layout file builds a window.
#include <Formetry.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <array>
#include <gtest/gtest.h>

namespace {

template <typename T> T* place(QWidget* parent, const char* name, QRect geometry)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

int points(const QWidget* widget)
{
    return widget->font().pointSize();
}

void setPoints(QWidget* widget, int size)
{
    QFont font = widget->font();
    font.setPointSize(size);
    widget->setFont(font);
}

void setDesign(QWidget* window, QSize client, int dpi)
{
    window->setProperty("DesignFrmW", client.width());
    window->setProperty("DesignFrmH", client.height());
    window->setProperty("DesignDpiW", dpi);
    window->setProperty("DesignDpiH", dpi);
}

TFormetry* component(QWidget* window)
{
    auto* formetry = new TFormetry(window);
    formetry->setObjectName(QStringLiteral("Formetry1"));
    return formetry;
}

// A plain window designed with a client area of 714 × 587 at 96 dpi.
class Scaling : public ::testing::Test {
protected:
    Scaling()
    {
        window.setObjectName(QStringLiteral("TestForm"));
        window.resize(714, 587);
        setDesign(&window, { 714, 587 }, 96);
        edge = place<QLabel>(&window, "Edge", { 0, 10, 100, 20 });
        edit = place<QLineEdit>(&window, "Edit1", { 100, 50, 200, 25 });
        setPoints(edit, 11);
        group = place<QGroupBox>(&window, "Group1", { 300, 100, 300, 200 });
        button = place<QPushButton>(group, "Button1", { 10, 20, 80, 30 });
        thin = place<QLabel>(&window, "Thin", { 400, 400, 40, 1 });
        setPoints(thin, 1);
        formetry = component(&window);
    }

    void start()
    {
        formetry->loaded();
        window.show();
    }

    QRect usable() const { return window.screen()->availableGeometry(); }

    QWidget window;
    const int windowPoints = QApplication::font().pointSize();
    QLabel* edge;
    QLineEdit* edit;
    QGroupBox* group;
    QPushButton* button;
    QLabel* thin;
    TFormetry* formetry;
};

TEST_F(Scaling, DoublingTheClientDoublesGeometryAndTruncatedFontSizes)
{
    std::vector<std::pair<double, double>> reported;
    formetry->setOnExitResize([&](TFormetry* sender, double x, double y) {
        EXPECT_EQ(sender, formetry);
        reported.emplace_back(x, y);
    });
    auto* offLeft = place<QLabel>(&window, "OffLeft", { -20, 30, 40, 20 });
    start();
    window.resize(1428, 1174);
    EXPECT_EQ(edge->geometry(), QRect(1, 20, 200, 40)); // a left edge at 0 becomes 1
    EXPECT_EQ(offLeft->geometry(), QRect(-40, 60, 80, 40)); // only a 0 becomes 1
    EXPECT_EQ(edit->geometry(), QRect(200, 100, 400, 50));
    EXPECT_EQ(button->geometry(), QRect(20, 40, 160, 60));
    EXPECT_EQ(points(edit), 22);
    EXPECT_EQ(points(&window), 2 * windowPoints);
    EXPECT_EQ(points(button), 2 * windowPoints); // takes the window's font through its group
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), std::make_pair(2.0, 2.0));

    // Fonts set by others at twice the design size: the window's own, a control's own font
    // resized and a control's first font of its own. Each is taken as twice its new base.
    setPoints(&window, 20);
    setPoints(edit, 30);
    setPoints(button, 20);
    window.resize(714, 587);
    EXPECT_EQ(offLeft->geometry(), QRect(-20, 30, 40, 20));
    EXPECT_EQ(points(&window), 10);
    EXPECT_EQ(points(edit), 15);
    EXPECT_EQ(points(button), 10);
}

TEST_F(Scaling, HalvingTheClientScalesFontsByTheSmallerAxisAndKeepsSizesAtLeastOne)
{
    start();
    window.resize(1428, 1174); // the 1-point font at 2 points first
    window.resize(357, 293);
    const double y = 293.0 / 587;
    EXPECT_DOUBLE_EQ(formetry->xScale(), 0.5);
    EXPECT_DOUBLE_EQ(formetry->yScale(), y);
    EXPECT_DOUBLE_EQ(formetry->fontScale(), y);
    EXPECT_EQ(edit->geometry(), QRect(50, 25, 100, 12));
    EXPECT_EQ(points(edit), 5); // 11 × y = 5.49, truncated
    EXPECT_EQ(points(&window), int(windowPoints * y + 0.5));
    EXPECT_EQ(thin->height(), 1); // 1 × y rounds to 0
    EXPECT_EQ(points(thin), 1); // 2 × y truncates to 0

    window.resize(714, 587); // back at the design size: the layout as it was designed
    EXPECT_EQ(edit->geometry(), QRect(100, 50, 200, 25));
    EXPECT_EQ(points(edit), 11);
    EXPECT_EQ(points(&window), windowPoints);
    EXPECT_EQ(thin->geometry(), QRect(400, 400, 40, 1));
}

TEST_F(Scaling, WhileDisabledResizingLeavesTheControlsAndEnablingAgainRescales)
{
    start();
    formetry->setEnabled(false);
    window.resize(1428, 1174);
    EXPECT_EQ(edit->geometry(), QRect(100, 50, 200, 25));
    EXPECT_EQ(points(edit), 11);
    formetry->setEnabled(true);
    window.resize(1071, 1174); // x = 1.5, y = 2: fonts by 1.5, the window's rounded, the others truncated
    EXPECT_EQ(edit->geometry(), QRect(150, 100, 300, 50));
    EXPECT_EQ(points(edit), 16);
    EXPECT_EQ(points(&window), int(windowPoints * 1.5 + 0.5));
}

TEST_F(Scaling, NoResizeCtlInAnyLetterCaseLeavesControlsAloneAndNoResizeFntCtlOnlyTheWindowFont)
{
    formetry->setNoResizeCtl(QStringLiteral("other; EDIT1"));
    formetry->setNoResizeFntCtl(QStringLiteral("testform;thin"));
    start();
    window.resize(1428, 1174);
    EXPECT_EQ(edit->geometry(), QRect(100, 50, 200, 25));
    EXPECT_EQ(points(edit), 11);
    EXPECT_EQ(points(&window), windowPoints);
    EXPECT_EQ(points(thin), 2); // the list names the window's own font only

    formetry->setNoResizeCtl(QStringLiteral("bUTTON1")); // named after loading
    window.resize(714, 587);
    EXPECT_EQ(button->geometry(), QRect(20, 40, 160, 60));
    EXPECT_EQ(edge->geometry(), QRect(1, 10, 100, 20));
}

TEST_F(Scaling, ControlsAddedAtRunTimeAreNamedInTurnWithEmptyCaptionsAndScaled)
{
    start();
    window.resize(1428, 1174);
    // A caption that shows the given name is emptied; any other stays.
    auto* inGroup = place<QPushButton>(group, "", { 40, 40, 20, 20 });
    inGroup->setText(QStringLiteral("FmtyAdd0001"));
    auto* onWindow = place<QLabel>(&window, " ", { 200, 100, 50, 20 });
    onWindow->setText(QStringLiteral("見出し"));
    auto* named = place<QLabel>(&window, "Named", { 300, 300, 20, 20 });
    window.resize(714, 587);
    EXPECT_EQ(inGroup->objectName(), QStringLiteral("FmtyAdd0001"));
    EXPECT_EQ(onWindow->objectName(), QStringLiteral("FmtyAdd0002"));
    EXPECT_EQ(named->objectName(), QStringLiteral("Named"));
    EXPECT_EQ(inGroup->text(), QString());
    EXPECT_EQ(onWindow->text(), QStringLiteral("見出し"));
    EXPECT_EQ(onWindow->geometry(), QRect(100, 50, 25, 10));
    EXPECT_EQ(inGroup->geometry(), QRect(20, 20, 10, 10));

    delete onWindow; // a removed control is forgotten
    window.resize(1428, 1174);
    EXPECT_EQ(inGroup->geometry(), QRect(40, 40, 20, 20));
    auto* later = place<QLabel>(&window, "", { 10, 10, 10, 10 });
    window.resize(714, 587);
    EXPECT_EQ(later->objectName(), QStringLiteral("FmtyAdd0004"));

    delete named; // one control gone and another come between two rescales
    auto* swapped = place<QGroupBox>(&window, "", { 30, 30, 10, 10 });
    swapped->setTitle(QStringLiteral("FmtyAdd0005"));
    window.resize(1428, 1174);
    EXPECT_EQ(swapped->objectName(), QStringLiteral("FmtyAdd0005"));
    EXPECT_EQ(swapped->title(), QString());
    EXPECT_EQ(swapped->geometry(), QRect(60, 60, 20, 20));
}

TEST_F(Scaling, ADesignResolutionOf120DpiIsCorrectedOnA96DpiScreen)
{
    ASSERT_EQ(window.screen()->logicalDotsPerInchX(), 96);
    setDesign(&window, { 714, 587 }, 120);
    auto* seven = place<QLabel>(&window, "Seven", { 7, 7, 7, 7 });
    formetry->loaded(); // kx = 120 / 96 = 1.25
    EXPECT_EQ(edit->geometry(), QRect(80, 40, 160, 20));
    EXPECT_EQ(seven->geometry(), QRect(6, 6, 6, 6)); // 5.6 rounded
    EXPECT_EQ(points(edit), 9); // 11 / 1.25 = 8.8
    window.show();
    EXPECT_DOUBLE_EQ(formetry->xScale(), 1.25);
    EXPECT_EQ(edit->geometry(), QRect(100, 50, 200, 25));
    EXPECT_EQ(points(edit), 11);
}

TEST_F(Scaling, ADialogDesignedAt120DpiKeepsItsGeometryWhenLoaded)
{
    window.setWindowFlags(Qt::Dialog);
    setDesign(&window, { 714, 587 }, 120);
    formetry->loaded();
    EXPECT_EQ(edit->geometry(), QRect(100, 50, 200, 25));
    EXPECT_EQ(points(edit), 9);
}

TEST_F(Scaling, SizeLimitsHoldOnlyWhenBothValuesArePositive)
{
    start();
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize ownMaximum = window.maximumSize();
    formetry->setFormMaxWidth(700);
    EXPECT_EQ(window.maximumSize(), ownMaximum);
    formetry->setFormMaxHeight(600);
    EXPECT_EQ(window.maximumSize(), QSize(700, 600) - frame);
    formetry->setFormMaxWidth(5000); // never beyond the usable area
    EXPECT_EQ(window.maximumSize(), QSize(usable().width(), 600) - frame);
    formetry->setFormMinWidth(200);
    EXPECT_EQ(window.minimumSize(), QSize(0, 0));
    formetry->setFormMinHeight(100);
    EXPECT_EQ(window.minimumSize(), QSize(200, 100) - frame);
    formetry->setFormMaxHeight(0);
    EXPECT_EQ(window.maximumSize(), ownMaximum);
    formetry->setEnabled(false);
    EXPECT_EQ(window.minimumSize(), QSize(0, 0));
}

TEST_F(Scaling, FormPosPlacesTheWindowInTheUsableAreaAtFirstShowAndWhenChanged)
{
    formetry->setFormWidth(401);
    formetry->setFormHeight(301);
    formetry->setFormPos(TResizeFormPos::rpMiddleCenter);
    start();
    const QRect area = usable();
    const int freeW = area.width() - 401;
    const int freeH = area.height() - 301;
    ASSERT_EQ(freeW % 2, 1) << "an odd free width tells halving apart from the corners";
    EXPECT_EQ(window.frameGeometry(), QRect(area.x() + freeW / 2, area.y() + freeH / 2, 401, 301));

    using enum TResizeFormPos;
    const struct {
        TResizeFormPos pos;
        int left;
        int top;
    } table[] = {
        { rpTopLeft, 0, 0 },
        { rpTopCenter, freeW / 2, 0 },
        { rpTopRight, freeW, 0 },
        { rpMiddleLeft, 0, freeH / 2 },
        { rpMiddleCenter, freeW / 2, freeH / 2 },
        { rpMiddleRight, freeW, freeH / 2 },
        { rpBottomLeft, 0, freeH },
        { rpBottomCenter, freeW / 2, freeH },
        { rpBottomRight, freeW, freeH },
    };
    for (const auto& row : table) {
        formetry->setFormPos(row.pos);
        EXPECT_EQ(window.frameGeometry().topLeft(), area.topLeft() + QPoint(row.left, row.top)) << int(row.pos);
    }
    // rpDefault keeps the window where it is, pulled back inside where it sticks out.
    window.move(area.topLeft() + QPoint(freeW + 50, 20));
    formetry->setFormPos(rpDefault);
    EXPECT_EQ(window.frameGeometry().topLeft(), area.topLeft() + QPoint(freeW, 20));
    window.move(area.topLeft() + QPoint(30, freeH + 1));
    formetry->setFormPos(rpDefault);
    EXPECT_EQ(window.frameGeometry().topLeft(), area.topLeft() + QPoint(30, freeH));
}

TEST(ScalingAlone, AFormSizeBeyondTheScreenIsCappedAtTheUsableAreaAtFirstShow)
{
    QWidget window;
    TFormetry* formetry = component(&window);
    formetry->setFormWidth(5000);
    formetry->setFormHeight(300);
    formetry->setFormPos(TResizeFormPos::rpBottomRight);
    formetry->loaded();
    window.show();
    const QRect area = window.screen()->availableGeometry();
    EXPECT_EQ(window.frameGeometry(), QRect(area.x(), area.bottom() - 299, area.width(), 300));
}

// A window that places itself as it is shown, as many of the program's windows do.
class PlacedOnShow : public QWidget {
public:
    QPoint corner;

protected:
    void showEvent(QShowEvent*) override { move(corner); }
};

// Wherever the program moves a shown window, also from its show handler, the title bar stays
// inside the usable area, with as much of the window as fits; a detached component lets it be.
TEST(ScalingAlone, AWindowTheProgramMovesKeepsItsTitleBarInsideTheUsableArea)
{
    PlacedOnShow window;
    window.resize(300, 200);
    const QRect area = window.screen()->availableGeometry();
    window.corner = area.topLeft() + QPoint(40, -60);
    TFormetry* formetry = component(&window);
    formetry->loaded();
    window.show();
    EXPECT_EQ(window.frameGeometry().topLeft(), area.topLeft() + QPoint(40, 0));
    const QSize frame = window.frameGeometry().size();
    const struct {
        QPoint to;
        QPoint frameAt;
    } moves[] = {
        { area.topLeft() + QPoint(-25, 100), area.topLeft() + QPoint(0, 100) },
        { area.bottomRight() - QPoint(10, 10), area.bottomRight() + QPoint(1 - frame.width(), 1 - frame.height()) },
        { area.topLeft() + QPoint(50, 60), area.topLeft() + QPoint(50, 60) },
    };
    for (const auto& m : moves) {
        window.move(m.to);
        EXPECT_EQ(window.frameGeometry().topLeft(), m.frameAt) << m.to.x() << "," << m.to.y();
    }
    formetry->setEnabled(false);
    window.move(area.topLeft() + QPoint(-25, -25));
    EXPECT_EQ(window.frameGeometry().topLeft(), area.topLeft() + QPoint(-25, -25));
}

TEST(SizeProperties, RejectInvalidValuesInTheUsersLanguageAndKeepTheOldValue)
{
    enum { W, H, MaxW, MaxH, MinW, MinH };
    const std::array<void (TFormetry::*)(int), 6> set
        = { &TFormetry::setFormWidth, &TFormetry::setFormHeight, &TFormetry::setFormMaxWidth,
              &TFormetry::setFormMaxHeight, &TFormetry::setFormMinWidth, &TFormetry::setFormMinHeight };
    const std::array<int (TFormetry::*)() const, 6> get = { &TFormetry::formWidth, &TFormetry::formHeight,
        &TFormetry::formMaxWidth, &TFormetry::formMaxHeight, &TFormetry::formMinWidth, &TFormetry::formMinHeight };
    struct Row {
        int property, value, other, otherValue; // `other` is set to `otherValue` first
        const char16_t* ja; // no message: accepted
        const char16_t* en;
    };
    std::vector<Row> rows = {
        { W, 99, MinW, 100, u"FormMinWidth 以上の値を入れてください",
            u"Set this value equal to or greater than the FormMinWidth" },
        { W, 501, MaxW, 500, u"FormMaxWidth 以下の値を入れてください",
            u"Set this value equal to or less than the FormMaxWidth" },
        { H, 99, MinH, 100, u"FormMinHeight 以上の値を入れてください",
            u"Set this value equal to or greater than the FormMinHeight" },
        { H, 501, MaxH, 500, u"FormMaxHeight 以下の値を入れてください",
            u"Set this value equal to or less than the FormMaxHeight" },
        { MaxW, 99, MinW, 100, u"FormMinWidth 以上の値を入れてください",
            u"Set this value equal to or greater than the FormMinWidth" },
        { MaxW, 299, W, 300, u"FormWidth 以上の値を入れてください",
            u"Set this value equal to or greater than the FormWidth" },
        { MaxH, 99, MinH, 100, u"FormMinHeight 以上の値を入れてください",
            u"Set this value equal to or greater than the FormMinHeight" },
        { MaxH, 299, H, 300, u"FormHeight 以上の値を入れてください",
            u"Set this value equal to or greater than the FormHeight" },
        { MinW, 501, MaxW, 500, u"FormMaxWidth 以下の値を入れてください",
            u"Set this value equal to or less than the FormMaxWidth" },
        { MinW, 301, W, 300, u"FormWidth 以下の値を入れてください",
            u"Set this value equal to or less than the FormWidth" },
        { MinH, 501, MaxH, 500, u"FormMaxHeight 以下の値を入れてください",
            u"Set this value equal to or less than the FormMaxHeight" },
        { MinH, 301, H, 300, u"FormHeight 以下の値を入れてください",
            u"Set this value equal to or less than the FormHeight" },
        { W, 0, MinW, 100, nullptr, nullptr }, // 0 means no constraint
        { MinH, 300, H, 300, nullptr, nullptr },
    };
    for (int p = W; p <= MinH; ++p)
        rows.push_back({ p, -1, p, 0, u"0 以上の値を入れてください", u"Set this value equal to or greater than 0" });
    for (const auto language : { QLocale::Japanese, QLocale::English }) {
        QLocale::setDefault(QLocale(language));
        for (const Row& row : rows) {
            QWidget window;
            TFormetry formetry(&window);
            (formetry.*set[row.other])(row.otherValue);
            const int before = (formetry.*get[row.property])();
            QString message;
            try {
                (formetry.*set[row.property])(row.value);
            } catch (const FormetryError& error) {
                message = error.message();
            }
            const char16_t* expected = language == QLocale::Japanese ? row.ja : row.en;
            EXPECT_EQ(message, expected ? QString::fromUtf16(expected) : QString()) << row.property << " " << row.value;
            EXPECT_EQ((formetry.*get[row.property])(), expected ? before : row.value);
        }
    }
    QLocale::setDefault(QLocale::system());
}

TEST(ScalingAlone, AWindowWithoutDesignValuesOrControlsScalesFromItsSizeWhenLoaded)
{
    QWidget window;
    window.resize(300, 200);
    setPoints(&window, 1);
    TFormetry* formetry = component(&window);
    formetry->loaded();
    auto* unnamed = new TFormetry(&window); // not known to the window by a name: stays out
    unnamed->loaded();
    window.show();
    window.resize(600, 400);
    EXPECT_DOUBLE_EQ(formetry->xScale(), 2.0);
    EXPECT_DOUBLE_EQ(unnamed->xScale(), 1.0);
    EXPECT_EQ(points(&window), 2);
    window.resize(120, 100); // the window's 1 point × 0.4 rounds to 0
    EXPECT_EQ(points(&window), 1);
    auto* added = place<QLabel>(&window, "", { 20, 15, 8, 5 }); // at x = 0.4, y = 0.5
    window.resize(300, 200);
    EXPECT_EQ(added->geometry(), QRect(50, 30, 20, 10));
}

TEST(ScalingAlone, AMainWindowScalesTheControlsPlacedOnItsCentralWidgetOnly)
{
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    auto* client = new QWidget;
    window.setCentralWidget(client);
    auto* tabs = place<QTabWidget>(client, "Tabs", { 10, 10, 200, 150 });
    tabs->addTab(new QWidget, QStringLiteral("A"));
    auto* list = place<QListWidget>(tabs->widget(0), "List1", { 5, 5, 100, 100 });
    auto* combo = place<QComboBox>(client, "Combo1", { 220, 10, 100, 24 });
    place<QTextEdit>(client, "Memo1", { 220, 40, 100, 100 });
    auto* twin1 = place<QLabel>(place<QGroupBox>(client, "Box1", { 10, 170, 150, 100 }), "Twin", { 10, 20, 50, 20 });
    auto* twin2 = place<QLabel>(place<QGroupBox>(client, "Box2", { 170, 170, 150, 100 }), "Twin", { 20, 40, 60, 20 });
    window.resize(400, 330);
    window.show();
    setDesign(&window, client->size(), 96); // loaded on a window already on screen
    TFormetry* formetry = component(&window);
    formetry->loaded();
    const int menuPoints = points(window.menuBar());
    const int clientPoints = points(client);

    window.resize(window.size() + client->size());
    EXPECT_DOUBLE_EQ(formetry->xScale(), 2.0);
    EXPECT_DOUBLE_EQ(formetry->yScale(), 2.0);
    EXPECT_EQ(list->geometry(), QRect(10, 10, 200, 200));
    EXPECT_EQ(twin1->geometry(), QRect(20, 40, 100, 40));
    EXPECT_EQ(twin2->geometry(), QRect(40, 80, 120, 40));
    EXPECT_EQ(points(client), 2 * clientPoints);
    EXPECT_EQ(points(window.menuBar()), menuPoints);

    // The insides of the combo box (its editor made now), the text view and the tab widget
    // are not controls of the window, nor is a popup: a control added by the program is the
    // only one named.
    combo->setEditable(true);
    new QMenu(client);
    place<QLabel>(client, "", { 1, 1, 10, 10 });
    window.resize(400, 330);
    EXPECT_EQ(window.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^FmtyAdd"))).size(), 1);
    EXPECT_EQ(list->geometry(), QRect(5, 5, 100, 100));
}

} // namespace
