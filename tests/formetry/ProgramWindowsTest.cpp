// The component on the program's own windows, as the user meets them.
#include "app/Unitabout.h"
#include "app/Unittitle.h"
#include "changes/Unitchange.h"
#include "master/Unitmaster.h"
#include "master/Unitmaster2.h"
#include "master/Unitperson.h"
#include "period/Unitterm.h"
#include "reports/Uniteditor.h"
#include "shell/Unitmain.h"
#include "support/TestSupport.h"

#include <Formetry.h>
#include <QAction>
#include <QHeaderView>
#include <QMainWindow>
#include <QTableView>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

TEST(ProgramWindows, EachCarriesOneFormetry1AndOpensAtItsDesignClientSize)
{
    StartDirectory dir;
    ProgramRun run(QDate(2024, 5, 7));
    Forms& forms = run.forms();
    TAboutBox about; // closes itself at once with the pace at 0
    for (QWidget* window : std::initializer_list<QWidget*> { forms.FormMain, &about, forms.FormMaster, forms.FormPerson,
             forms.FormTerm, forms.FormTitle, forms.FormMaster2, forms.FormChange }) {
        SCOPED_TRACE(window->objectName().toStdString());
        const auto components = window->findChildren<TFormetry*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(components.size(), 1);
        EXPECT_EQ(components.first()->objectName(), QStringLiteral("Formetry1"));
        // The client area is the design client size, below any menu bar.
        auto* mainWindow = qobject_cast<QMainWindow*>(window);
        const QWidget* client = mainWindow ? mainWindow->centralWidget() : window;
        EXPECT_EQ(
            client->size(), QSize(window->property("DesignFrmW").toInt(), window->property("DesignFrmH").toInt()));
    }
}

// Every named control of a client area with its geometry.
std::map<QString, QRect> layoutOf(const QWidget* client)
{
    std::map<QString, QRect> layout;
    for (const QWidget* w : client->findChildren<QWidget*>())
        if (!w->isWindow() && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            layout[w->objectName()] = w->geometry();
    return layout;
}

bool withinOnePixel(QRect a, QRect b)
{
    return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1 && std::abs(a.width() - b.width()) <= 1
        && std::abs(a.height() - b.height()) <= 1;
}

TEST(ProgramWindows, SizeableWindowsResizedTwiceAndBackShowTheirDesignLayout)
{
    StartDirectory dir;
    ProgramRun run(QDate(2024, 5, 7));
    run.startUp();
    for (QMainWindow* window :
        std::initializer_list<QMainWindow*> { run.forms().FormMaster, run.forms().FormTerm, run.forms().FormChange }) {
        SCOPED_TRACE(window->objectName().toStdString());
        run.forms().FormMain->handOverTo(window);
        QWidget* client = window->centralWidget();
        const auto resizeClient = [&](QSize size) { window->resize(window->size() - client->size() + size); };
        const QSize design = client->size();
        const std::map<QString, QRect> before = layoutOf(client);
        ASSERT_GE(before.size(), 5u);

        resizeClient(design * 1.5);
        const double x = window->findChild<TFormetry*>(QString(), Qt::FindDirectChildrenOnly)->xScale();
        EXPECT_NEAR(x, 1.5, 0.01);
        for (const auto& [name, rect] : layoutOf(client))
            EXPECT_NEAR(rect.width(), before.at(name).width() * x, 1.0) << name.toStdString();
        if (auto* grid = window->findChild<QTableView*>(QStringLiteral("StringGrid1"))) {
            EXPECT_GE(grid->horizontalHeader()->defaultSectionSize(), 33) << "the change window's days grow too";
        }
        resizeClient(design * 0.75);
        resizeClient(design);
        for (const auto& [name, rect] : layoutOf(client))
            EXPECT_TRUE(withinOnePixel(rect, before.at(name))) << name.toStdString();
        window->close();
    }
}

TEST(ProgramWindows, TheTextWindowKeepsTheFontAndColoursTheUserChoseThroughRescales)
{
    StartDirectory dir;
    ProgramRun run(QDate(2024, 5, 7));
    run.startUp();
    TFormEditor* editor = run.forms().FormEditor;
    run.forms().FormMain->handOverTo(editor);
    auto* text = editor->findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    QWidget* client = editor->centralWidget();
    const auto resizeClient = [&](QSize size) { editor->resize(editor->size() - client->size() + size); };
    const QSize design = client->size();
    resizeClient(design * 2);
    EXPECT_EQ(text->font().pixelSize(), 26) << "the design's 13 pixels stay pixels";
    resizeClient(design);

    dialogs::Script& script = run.dialogs();
    const QFont chosen(QStringLiteral("Noto Serif CJK JP"), 20);
    script.answerFont(chosen);
    script.answerColor(QColor(10, 20, 30));
    script.answerColor(QColor(200, 0, 0));
    for (const char* item : { "N16", "N3", "N4" })
        editor->findChild<QAction*>(QLatin1String(item))->trigger();
    const auto expectChoices = [&](int points) {
        EXPECT_EQ(text->font().pointSize(), points);
        EXPECT_EQ(text->font().family(), chosen.family());
        EXPECT_EQ(text->palette().color(QPalette::Base), QColor(10, 20, 30));
        EXPECT_EQ(text->palette().color(QPalette::Text), QColor(200, 0, 0));
    };
    resizeClient(design + QSize(1, 1));
    expectChoices(20);
    resizeClient(design / 2);
    const double f = editor->findChild<TFormetry*>()->fontScale();
    expectChoices(int(20 * f));
    resizeClient(design);
    expectChoices(20);

    // A size chosen while the window is enlarged stays as chosen through the next resize.
    resizeClient(design * 1.5);
    QFont larger = chosen;
    larger.setPointSize(23);
    script.answerFont(larger);
    editor->findChild<QAction*>(QStringLiteral("N16"))->trigger();
    resizeClient(design * 1.5 + QSize(1, 1));
    EXPECT_EQ(text->font().pointSize(), 23);
}

} // namespace
