#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Pace.h"
#include "platform/Timer.h"
#include "support/TestSupport.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {
// Runs a body with the pace at a small non-zero scale, so pauses really wait (briefly).
struct SlowPace {
    explicit SlowPace(double s) { pace::setScale(s); }
    ~SlowPace() { pace::setScale(0); }
};
} // namespace

TEST(Pace, ScalesIntervalsAndZeroMeansNoWait)
{
    EXPECT_EQ(pace::scaled(1000), 0);
    SlowPace slow(0.5);
    EXPECT_EQ(pace::scaled(1000), 500);
}

TEST(Pace, ATimerTickDuringAPauseWaitsUntilThePauseEnds)
{
    QObject owner;
    QStringList events;
    Timer* other = nullptr;
    other = new Timer(&owner, 0, [&] {
        events << QStringLiteral("other");
        other->stop();
    });
    Timer first(&owner, 0, [&] {
        first.stop();
        events << QStringLiteral("pause begins");
        other->start();
        pace::pause(100);
        events << QStringLiteral("pause ends");
    });
    SlowPace slow(0.2); // the pause lasts 20 ms, the other timer fires meanwhile
    first.start();
    ASSERT_TRUE(waitFor([&] { return events.size() == 3; }));
    EXPECT_EQ(events,
        (QStringList { QStringLiteral("pause begins"), QStringLiteral("pause ends"), QStringLiteral("other") }));
}

TEST(Pace, AStoppedTimerDoesNotRunAfterThePause)
{
    QObject owner;
    int otherRuns = 0;
    bool done = false;
    Timer* other = new Timer(&owner, 0, [&] { ++otherRuns; });
    Timer first(&owner, 0, [&] {
        first.stop();
        other->start();
        pace::pause(100);
        other->stop();
        done = true;
    });
    SlowPace slow(0.2);
    first.start();
    ASSERT_TRUE(waitFor([&] { return done; }));
    waitFor([] { return false; }, 30);
    EXPECT_EQ(otherRuns, 0);
}

TEST(Timer, AConversionErrorInAHandlerIsShownAndTheLoopGoesOn)
{
    dialogs::Script script;
    QObject owner;
    int ticks = 0;
    bool after = false;
    Timer t(&owner, 0, [&] {
        if (++ticks == 2)
            t.stop();
        numbers::toInt(QStringLiteral("x1"));
        after = true; // skipped: the rest of the handler does not run
    });
    t.start();
    ASSERT_TRUE(waitFor([&] { return ticks == 2; }));
    EXPECT_FALSE(after);
    ASSERT_EQ(script.shown.size(), 2);
    EXPECT_EQ(script.shown[0].kind, dialogs::Kind::Error);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("'x1'")));
}
