// The title window and its credit animation.
#include "app/Unittitle.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

class TitleWindow : public ::testing::Test {
protected:
    QList<QPoint> creditPositions() const
    {
        QList<QPoint> positions;
        for (const QLabel* label : credits())
            positions << label->pos();
        return positions;
    }

    QList<QLabel*> credits() const
    {
        QList<QLabel*> labels;
        for (const char* name : { "LabelName", "LabelVersion", "LabelSubject", "LabelCopyright" })
            labels << window.findChild<QLabel*>(QString::fromLatin1(name));
        return labels;
    }

    bool allCreditsInside() const
    {
        for (const QLabel* label : credits())
            if (!window.rect().contains(label->geometry()))
                return false;
        return true;
    }

    // Runs the event loop one pass at a time until the credits have kept still for many
    // passes; returns the indices of the lines that moved, one entry per line and pass.
    QList<int> watchAnimation()
    {
        QList<int> moved;
        QList<QPoint> last = creditPositions();
        for (int still = 0, passes = 0; still < 50; ++passes) {
            if (passes == 100000) {
                ADD_FAILURE() << "the credits never come to rest";
                break;
            }
            QCoreApplication::processEvents();
            const QList<QPoint> now = creditPositions();
            for (int i = 0; i < now.size(); ++i)
                if (now[i] != last[i])
                    moved << i;
            still = now == last ? still + 1 : 0;
            last = now;
        }
        return moved;
    }

    // Runs the event loop one pass at a time, so a timer at pace 0 ticks about once per
    // pass, until done() holds; false if it never does.
    static bool stepUntil(const std::function<bool()>& done)
    {
        for (int passes = 0; passes < 100000 && !done(); ++passes)
            QCoreApplication::processEvents();
        return done();
    }

    // Lets queued timer ticks run for a while.
    static void spin()
    {
        waitFor([] { return false; }, 50);
    }

    TFormTitle window;
};

} // namespace

TEST_F(TitleWindow, ShowsItsBackdropAndClosesByButtonOrEscape)
{
    EXPECT_EQ(window.size(), QSize(648, 239));
    for (const QLabel* label : credits()) {
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->accessibleName().isEmpty()) << label->objectName().toStdString();
    }
    const auto* backdrop = window.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(backdrop->pixmap().size(), QSize(648, 239));

    auto* close = window.findChild<QPushButton*>(QStringLiteral("BtnClose"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("閉じる"));
    EXPECT_FALSE(close->accessibleName().isEmpty());
    window.show();
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());

    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TitleWindow, CreditsSlideInOneAfterAnotherAndComeToRest)
{
    window.show();
    for (const QLabel* label : credits())
        EXPECT_GE(label->x(), window.width()) << "starts outside the window";

    const QList<int> moved = watchAnimation();
    EXPECT_TRUE(std::is_sorted(moved.begin(), moved.end())) << "a line starts only when the one before rests";
    EXPECT_EQ(QSet<int>(moved.begin(), moved.end()), QSet<int>({ 0, 1, 2, 3 }));
    EXPECT_TRUE(allCreditsInside());
    const QList<QPoint> rest = creditPositions();
    for (int i = 1; i < rest.size(); ++i)
        EXPECT_GT(rest[i].y(), rest[i - 1].y()) << "lines are stacked top to bottom";
}

TEST_F(TitleWindow, HidingStopsTheAnimationAndShowingRestartsIt)
{
    window.show();
    ASSERT_TRUE(stepUntil([this] { return credits()[0]->x() < window.width(); }));
    window.hide();
    const QList<QPoint> frozen = creditPositions();
    spin();
    EXPECT_EQ(creditPositions(), frozen);

    window.show();
    for (const QLabel* label : credits())
        EXPECT_GE(label->x(), window.width()) << "every line starts again from the right";
    EXPECT_TRUE(waitFor([this] { return allCreditsInside(); }));
}
