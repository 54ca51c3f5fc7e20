// The main window's machinery on its own: the start-up sequence without a window around it, and
// the runner of the one-employee-per-tick reports.
#include "forms/Forms.h"
#include "data/DataFiles.h"
#include "data/Unitdata.h"
#include "period/PeriodRegistration.h"
#include "platform/Gauge.h"
#include "platform/Numbers.h"
#include "shell/EmployeeTicker.h"
#include "shell/StartupSequence.h"
#include "support/TestSupport.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2024, 5, 7);

// What the sequence told, in order: captions as "caption", status lines as "+line", the other
// signals by name.
struct SequenceRun {
    explicit SequenceRun(const QString& dir)
    {
        forms.FormData = &data;
        sequence = std::make_unique<StartupSequence>(
            forms, [] { return kToday; }, &window, dir);
        QObject::connect(sequence.get(), &StartupSequence::captionChanged, [this](const QString& c) { told << c; });
        QObject::connect(sequence.get(), &StartupSequence::statusAppended,
            [this](const QStringList& lines) { told << QStringLiteral("+") + lines.join(QLatin1Char('|')); });
        QObject::connect(
            sequence.get(), &StartupSequence::masterEmpty, [this] { told << QStringLiteral("masterEmpty"); });
        QObject::connect(sequence.get(), &StartupSequence::dataErrorFound, [this](bool inMaster) {
            told << (inMaster ? QStringLiteral("masterError") : QStringLiteral("dataError"));
        });
        QObject::connect(sequence.get(), &StartupSequence::ended, [this](StartupSequence::Outcome o) { outcome = o; });
        sequence->start();
        waitFor([this] { return sequence->hasEnded(); });
    }
    QStringList captions() const
    {
        QStringList out;
        for (const QString& t : told)
            if (!t.startsWith(QLatin1Char('+')) && !t.endsWith(QStringLiteral("Error"))
                && t != QStringLiteral("masterEmpty"))
                out << t;
        return out;
    }

    Forms forms;
    TFormData data;
    QWidget window;
    std::unique_ptr<StartupSequence> sequence;
    QStringList told;
    std::optional<StartupSequence::Outcome> outcome;
};

QString dots(int n)
{
    return QStringLiteral("▽ ZEL SECURITY CHECK RUNNING") + QString(n, QChar(u'．'));
}

} // namespace

TEST(StartupSequence, StepsCaptionsAndOutcomes)
{
    StartDirectory dir;
    const QByteArray master = fileLine(sampleEmployee(QStringLiteral("山田")));
    Table period { 40, 5 };
    registerPeriod(period, kToday, 7);
    writeFileBytes(dir.file(TFormData::kMasterFile), master);
    writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(period));

    SequenceRun normal(dir.path());
    ASSERT_EQ(normal.outcome, StartupSequence::Outcome::Normal);
    QStringList expected { "Karvela Software Development", "Karvela Software Development ⇒ Rotan",
        "Karvela Software Development ⇒ Rotan Products", "Karvela Software Development ⇒ Rotan Products Loading",
        "ZEL Rotan Series", "ZEL Rotan Series ⇒ Pending", "ZEL Rotan Series ⇒ Pending ⇒ Init",
        "ZEL Rotan Series ⇒ Pending ⇒ Init ⇒ Run", "▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒",
        "▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒ ⇒", "▽ ZEL USE DATA SECURITY CHECK RUNNING ⇒ ⇒ ⇒" };
    for (int n : { 1, 2, 3, 4, 5, 6, 8, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18 })
        expected << dots(n);
    EXPECT_EQ(normal.captions(), expected);
    EXPECT_EQ(normal.told, expected) << "nothing else is told on the way to the normal state";
    EXPECT_EQ(normal.data.StringGrid2.cell(0, 0), QStringLiteral("2024"));

    // A master error is reported at once, and the schedule file is still read and checked.
    QByteArray broken = master;
    broken.replace(sjis(QStringLiteral("山田,1000,")), sjis(QStringLiteral("山田,1x00,")));
    writeFileBytes(dir.file(TFormData::kMasterFile), broken);
    SequenceRun masterError(dir.path());
    EXPECT_EQ(masterError.outcome, StartupSequence::Outcome::DataError);
    EXPECT_EQ(masterError.told.filter(QStringLiteral("Error")), QStringList { "masterError" });
    EXPECT_EQ(masterError.captions().last(), dots(18)) << "steps 2 and 3 ran after the error";

    // A period of an earlier year: step 3 reports it.
    writeFileBytes(dir.file(TFormData::kMasterFile), master);
    registerPeriod(period, kToday.addYears(-1), 7);
    writeFileBytes(dir.file(TFormData::kScheduleFile), serializeTable(period));
    SequenceRun stale(dir.path());
    EXPECT_EQ(stale.outcome, StartupSequence::Outcome::DataError);
    EXPECT_EQ(stale.told.filter(QStringLiteral("Error")), QStringList { "dataError" });
    EXPECT_EQ(stale.captions().last(), QStringLiteral("▽ ZEL USE DATA SECURITY CHECK HIT !"));

    // Empty files: setup is needed, the empty master is told, no check reports anything.
    writeFileBytes(dir.file(TFormData::kMasterFile), QByteArray());
    writeFileBytes(dir.file(TFormData::kScheduleFile), QByteArray());
    SequenceRun empty(dir.path());
    EXPECT_EQ(empty.outcome, StartupSequence::Outcome::SetupNeeded);
    EXPECT_TRUE(empty.told.contains(QStringLiteral("masterEmpty")));
    EXPECT_TRUE(empty.told.filter(QStringLiteral("Error")).isEmpty());
    EXPECT_EQ(empty.told.filter(QStringLiteral("+")).size(), 2) << "the notes of both steps";
}

TEST(EmployeeTicker, EachRowOnceInOrderThenTheEndOnItsOwnCounters)
{
    Gauge gauge;
    QList<int> rows;
    QList<int> progress;
    int ends = 0;
    EmployeeTicker ticker(
        nullptr, 10, &gauge,
        [&](int row) {
            rows << row;
            progress << gauge.value();
            if (row == 1)
                throw numbers::ConversionError(QStringLiteral("x")); // costs this row only
        },
        [&] { ++ends; });
    int otherRows = 0;
    Gauge otherGauge;
    EmployeeTicker other(
        nullptr, 10, &otherGauge, [&](int) { ++otherRows; }, [] {});

    dialogs::Script script;
    gauge.show();
    ticker.prepare(3);
    other.prepare(5);
    ticker.start();
    other.start();
    ASSERT_TRUE(waitFor([&] { return ends == 1; }));
    EXPECT_EQ(rows, (QList<int> { 0, 1, 2 }));
    EXPECT_EQ(progress, (QList<int> { 1, 2, 3 }));
    EXPECT_EQ(gauge.maximum(), 3);
    EXPECT_EQ(gauge.value(), 0);
    EXPECT_FALSE(gauge.isVisible());
    EXPECT_FALSE(ticker.isRunning());
    EXPECT_EQ(script.shown.size(), 1) << "the conversion error is shown once";
    ASSERT_TRUE(waitFor([&] { return !other.isRunning(); }));
    EXPECT_EQ(otherRows, 5) << "the other report keeps its own counters";

    // No employee: the first tick ends the report.
    ticker.prepare(0);
    ticker.start();
    ASSERT_TRUE(waitFor([&] { return ends == 2; }));
    EXPECT_EQ(rows.size(), 3);
}
