#include "patterns/PatternFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using patterns::BreakTime;
using patterns::Kind;
using patterns::Pattern;
using patterns::StaffLine;

namespace {

Pattern working(const QString& code, const QString& name, int start, int end, int breakMinutes,
    const QString& colour = "#F0E080", const QString& follow = {})
{
    return { code, name, Kind::Working, start, end, breakMinutes, std::nullopt, {}, colour, follow };
}

Pattern timeless(const QString& code, const QString& name, Kind kind, const QString& attribute, const QString& colour)
{
    return { code, name, kind, 0, 0, 0, std::nullopt, attribute, colour, {} };
}

} // namespace

// Every kind of line in one file: taken (no reason) or named with the reason it is not taken.
// Lines are judged in the file's order, so a pattern clashes with the earlier ones it repeats;
// a follow-on day and a staff line's codes are judged against every pattern taken.
TEST(PatternFile, EachLineHasItsFormAndABadLineIsNamedWithItsReason)
{
    const QString kTime = "時刻は1:00～24:55の5分刻みです（深夜零時は24:00）";
    const struct {
        QString line;
        QString reason; // empty: taken
    } cases[] = {
        { "勤務,日,日勤,8,30,17,15,60,#F0E080,,", {} },
        { "勤務,夜,夜勤,16,30,9,00,120,#3050A0,明,", {} }, // its follow-on day comes later
        { "勤務,明,明け,明け,,,,,#A0A0C0,,", {} },
        { "勤務,年,年休,休,公休,,,,#e0c0a0,,", {} }, // hexadecimal digits of either case
        { "勤務,仮,仮眠夜勤,22,00,7,00,1:00-3:00,#203070,,", {} }, // a break in the small hours
        { "勤務,遅,遅番,15,00,24,00,60,#FFA040,,", {} }, // midnight at the end is 24
        { "勤務,A1,早番,7,00,15,00,60,#FFFFFF,,", {} },
        { "勤務,中,中番,11,00,20,00,540,#FFFFFF,,", {} }, // a break as long as the shift
        { "勤務,日2,日勤２,8,30,17,15,45,#FFFFFF,,", {} }, // the times of 日 with another break
        { "職員,山田,日|夜,看護師|新人,", {} },
        { "職員,田中,,,", {} },
        { "職員,退職者,遅,,", {} }, // a name without a master row is kept
        { "", "行の種類が不正です（勤務，職員，並び）" },
        { "休日,休,休み,休,公休,,,,#FFFFFF,,", "行の種類が不正です（勤務，職員，並び）" },
        { "勤務,早,早番,7,00,15,00,60,#FFFFFF,", "項目数が10ではありません" },
        { "勤務,早,早番,7,00,15,00,60,#FFFFFF,明", "項目数が10ではありません" }, // no last ","
        { "勤務,早,早番,7,00,15,00,60,#FFFFFF,,", "開始・終了・休憩が「A1」（早番）と同じです" },
        { "勤務,日,日直,9,00,17,00,60,#FFFFFF,,", "記号「日」は既に使われています" },
        { "勤務,零,零時,0,00,8,00,60,#FFFFFF,,", kTime },
        { "勤務,越,越え,9,00,25,00,60,#FFFFFF,,", kTime },
        { "勤務,七,七分,9,07,17,00,60,#FFFFFF,,", kTime },
        { "勤務,字,字,9,x,17,00,60,#FFFFFF,,", "時刻が不正です" },
        { "勤務,同,同時,9,30,9,00,0,#FFFFFF,,",
            "終了が開始と同じ「時」で開始より前か同じです（翌日に終わる勤務は，終了の「時」を開始の「時」より小さくして"
            "く"
            "ださい）" },
        { "勤務,長,長休,9,00,17,00,481,#FFFFFF,,", "休憩が勤務時間（8時間00分）より長くなっています" },
        { "勤務,休,休憩,9,00,17,00,1時間,#FFFFFF,,", "休憩が不正です（分，または 1:00-3:00 の形）" },
        { "勤務,外,外休,16,30,9,00,3:00-1:00,#FFFFFF,,", "休憩の時間帯が勤務時間の外にあります" },
        { "勤務,外,外休,9,00,17,00,8:00-9:30,#FFFFFF,,", "休憩の時間帯が勤務時間の外にあります" },
        { "勤務,ABC,三字,9,00,17,00,45,#FFFFFF,,", "記号は1文字か2文字です" },
        { "勤務,|,縦棒,9,00,17,00,45,#FFFFFF,,", "記号に使えない文字があります（「,」「|」，空白など）" },
        { "勤務,名,あいうえおかきくけこさ,9,00,17,00,30,#FFFFFF,,", "名称が20バイト（全角10文字）を超えています" },
        { "勤務,色,色,9,00,17,00,15,red,,", "色は #RRGGBB（16進数）で指定してください" },
        { "勤務,色,色,9,00,17,00,15,#12345G,,", "色は #RRGGBB（16進数）で指定してください" },
        { "勤務,休,休,休,勤務日,,,,#FFFFFF,,", "休みの区分は公休・休み・その他のいずれかです" },
        { "勤務,明2,明け2,明け,,,,30,#FFFFFF,,", "時刻のない勤務に時刻・休憩があります" },
        { "勤務,続,続き,10,00,18,00,0,#FFFFFF,無,", "後に続く勤務「無」がありません" },
        { "勤務,自,自分,10,00,18,00,5,#FFFFFF,自,", "後に続く勤務に自分自身は指定できません" },
        { "勤務,鎖,連鎖,10,00,18,00,10,#FFFFFF,続,", "後に続く勤務「続」がありません" }, // 続 is left out
        { "職員,,日,,", "氏名が不正です" },
        { "職員,山田,日,,", "同じ氏名の2行目です" },
        { "職員,佐藤,明,,", "勤務できる勤務「明」がありません" }, // 明け is no shift
        { "職員,鈴木,日|日,,", "勤務できる勤務「日」が二つあります" },
        { "職員,高橋,,1|2|3|4|5|6|7|8|9|10|11,", "資格・担当が10個を超えています" },
        { "職員,伊藤,,看護師|看護師,", "資格・担当「看護師」が二つあります" },
        { "職員,小林,日,", "項目数が4ではありません" },
    };
    QByteArray bytes;
    QList<RejectedLine> expected;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        bytes += sjis(cases[i].line) + (i % 2 ? "\n" : "\r\n");
        if (!cases[i].reason.isEmpty())
            expected.append({ i + 1, cases[i].reason });
    }
    const patternfile::ReadResult read = patternfile::read(bytes);
    const auto texts = [](const QList<RejectedLine>& lines) {
        QStringList out;
        for (const RejectedLine& l : lines)
            out.append(QString::number(l.line) + ": " + l.reason);
        return out.join("\n");
    };
    EXPECT_EQ(texts(read.rejected), texts(expected));

    const QList<Pattern>& taken = read.patterns.patterns;
    ASSERT_EQ(taken.size(), 9);
    EXPECT_EQ(taken[1], working("夜", "夜勤", 16 * 60 + 30, 9 * 60, 120, "#3050A0", "明"));
    EXPECT_EQ(taken[1].span(), 990);
    EXPECT_EQ(taken[2], timeless("明", "明け", Kind::Ake, {}, "#A0A0C0"));
    EXPECT_EQ(taken[3], timeless("年", "年休", Kind::DayOff, "公休", "#e0c0a0"));
    EXPECT_EQ(taken[4].breakTime, (BreakTime { 25 * 60, 27 * 60 }));
    EXPECT_EQ(taken[4].netMinutes(), 420);
    EXPECT_EQ(taken[5].end, 24 * 60);
    EXPECT_EQ(read.patterns.staff,
        (QList<StaffLine> {
            { "山田", { "日", "夜" }, { "看護師", "新人" } }, { "田中", {}, {} }, { "退職者", { "遅" }, {} } }));
}

// What the window registers is written in the file's own form, patterns in their order and then
// the staff lines, and reads back as the same values.
TEST(PatternFile, SavedLinesReadBackTheSameAndAHandWrittenFormIsRewrittenPlainly)
{
    patterns::ShiftPatterns set;
    Pattern nap = working("仮", "仮眠夜勤", 22 * 60, 7 * 60, 90, "#203070");
    nap.breakTime = BreakTime { 24 * 60 + 30, 26 * 60 };
    set.patterns = { working("日", "日勤", 8 * 60 + 30, 17 * 60 + 15, 60),
        working("夜", "夜勤", 16 * 60 + 30, 9 * 60, 120, "#3050A0", "明"),
        timeless("明", "明け", Kind::Ake, {}, "#A0A0C0"), timeless("年", "年休", Kind::DayOff, "公休", "#E0C0A0"), nap,
        working("A1", "早番", 7 * 60 + 5, 15 * 60, 0) };
    set.staff = { { "山田", { "日", "夜" }, { "看護師", "新人" } }, { "退職者", {}, { "レジ" } } };

    const QByteArray bytes = patternfile::serialize(set);
    EXPECT_EQ(bytes,
        sjis("勤務,日,日勤,8,30,17,15,60,#F0E080,,\r\n"
             "勤務,夜,夜勤,16,30,9,00,120,#3050A0,明,\r\n"
             "勤務,明,明け,明け,,,,,#A0A0C0,,\r\n"
             "勤務,年,年休,休,公休,,,,#E0C0A0,,\r\n"
             "勤務,仮,仮眠夜勤,22,00,7,00,0:30-2:00,#203070,,\r\n"
             "勤務,A1,早番,7,5,15,00,0,#F0E080,,\r\n"
             "職員,山田,日|夜,看護師|新人,\r\n"
             "職員,退職者,,レジ,\r\n"));
    const patternfile::ReadResult again = patternfile::read(bytes);
    EXPECT_TRUE(again.rejected.isEmpty());
    EXPECT_EQ(again.patterns, set);
    EXPECT_TRUE(patternfile::serialize({}).isEmpty());

    const patternfile::ReadResult hand = patternfile::read(sjis("勤務,日,日勤,08,30,17,15,60,#F0E080,,\r\n"));
    ASSERT_TRUE(hand.rejected.isEmpty());
    EXPECT_EQ(patternfile::serialize(hand.patterns), sjis("勤務,日,日勤,8,30,17,15,60,#F0E080,,\r\n"));
}

// The named fields of a staff line: each one kept, or left out with its reason while the rest of
// the line is taken; and the sequence lines, each kept or named.
TEST(PatternFile, StaffFieldsAndSequenceLinesAreTakenOneByOne)
{
    const auto rules = [](auto set) {
        labour::PersonRules r;
        set(r);
        return r;
    };
    const QString kLeftOut = "（この項目を除いて読み込みました）";
    const struct {
        QString fields; // after "職員,山田,,,"
        labour::PersonRules rules;
        bool shiftWork;
        bool uncounted;
        QStringList reasons;
    } cases[] = {
        { "", {}, false, false, {} },
        { "生年月日=2009/4/1,留学生,長期休業=2027/2/10-2027/4/5|2027/8/1-2027/9/30,公休の日数（暦月）=9,夜勤の上限=4,"
          "妊産婦の請求=深夜なし|時間外なし,",
            rules([](labour::PersonRules& r) {
                r.birthDate = QDate(2009, 4, 1);
                r.student = true;
                r.vacations = { { QDate(2027, 2, 10), QDate(2027, 4, 5) }, { QDate(2027, 8, 1), QDate(2027, 9, 30) } };
                r.monthlyDaysOff = 9;
                r.maxNights = 4;
                r.expectant = { true, true };
            }),
            false, false, {} },
        // In any order: 長期休業 before 留学生, the upper limit before the lower one.
        { "人数に数えない,長期休業=2027/2/10-2027/4/5,勤務時間の上限=120,シフト制,勤務時間の下限=80,留学生,",
            rules([](labour::PersonRules& r) {
                r.student = true;
                r.vacations = { { QDate(2027, 2, 10), QDate(2027, 4, 5) } };
                r.minHours = 80;
                r.maxHours = 120;
            }),
            true, true, {} },
        { "固定,夜勤の上限=,", {}, false, false, {} },
        // A bad field is left out, the others kept.
        { "夜勤の上限=21,連勤の下限=3,", rules([](labour::PersonRules& r) { r.minRun = 3; }), false, false,
            { "「夜勤の上限」の値が不正です（空欄又は0～20）" } },
        { "生年月日=2009/2/30,", {}, false, false, { "「生年月日」の値が不正です（" } },
        { "長期休業=2027/2/10-2027/4/5,", {}, false, false, { "長期休業は留学生のときだけ入力できます" } },
        { "勤務時間の下限=100,勤務時間の上限=80,", rules([](labour::PersonRules& r) { r.minHours = 100; }), false,
            false, { "勤務時間の下限が上限を超えています" } },
        { "夜勤の上限=2,夜勤の上限=3,", rules([](labour::PersonRules& r) { r.maxNights = 2; }), false, false,
            { "職員の項目「夜勤の上限」が二つあります" } },
        { "シフト制,固定,", {}, true, false, { "職員の項目「固定」が二つあります" } },
        { "留学生=はい,夜勤の上限,身長=170,,", {}, false, false,
            { "職員の項目「留学生」に値は付けません", "職員の項目「夜勤の上限」は「夜勤の上限=値」の形です",
                "職員の項目「身長」はこの版にはありません", "職員の項目「」はこの版にはありません" } },
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.fields.toStdString());
        const patternfile::ReadResult read
            = patternfile::read(sjis("勤務,日,日勤,8,30,17,15,60,#F0E080,,\r\n職員,山田,,," + t.fields + "\r\n"));
        ASSERT_EQ(read.patterns.staff.size(), 1);
        const StaffLine& line = read.patterns.staff.first();
        EXPECT_EQ(line.rules, t.rules);
        EXPECT_EQ(line.shiftWork, t.shiftWork);
        EXPECT_EQ(line.uncounted, t.uncounted);
        ASSERT_EQ(read.rejected.size(), t.reasons.size());
        for (int i = 0; i < t.reasons.size(); ++i) {
            EXPECT_EQ(read.rejected[i].line, 2);
            EXPECT_TRUE(read.rejected[i].reason.startsWith(t.reasons[i])) << read.rejected[i].reason.toStdString();
            EXPECT_TRUE(read.rejected[i].reason.endsWith(kLeftOut));
        }
    }

    const patternfile::ReadResult sequence = patternfile::read(sjis("並び,禁止,夜,日,\r\n並び,連続,夜,2,\r\n"
                                                                    "並び,明けの後は休み,\r\n並び,禁止,夜,日,\r\n"
                                                                    "並び,連続,夜,0,\r\n並び,禁止,夜,日\r\n"));
    labour::SequenceRules expected;
    expected.forbidden = { { "夜", "日" } };
    expected.runLimits = { { "夜", 2 } };
    expected.offAfterAke = true;
    EXPECT_EQ(sequence.patterns.sequence, expected);
    ASSERT_EQ(sequence.rejected.size(), 3);
    EXPECT_EQ(sequence.rejected[0].line, 4);
    EXPECT_EQ(sequence.rejected[1].line, 5);
    EXPECT_EQ(sequence.rejected[2], (RejectedLine { 6, "行の最後に「,」がありません" }));
}

// A person's rules, flags and the sequence rules are written in the forms read, and read back the
// same; a line without them stays the four fields it was.
TEST(PatternFile, PersonRulesAndSequenceRulesReadBackTheSame)
{
    patterns::ShiftPatterns set;
    set.patterns = { working("日", "日勤", 8 * 60 + 30, 17 * 60 + 15, 60),
        working("夜", "夜勤", 16 * 60 + 30, 9 * 60, 120, "#3050A0", "明"),
        timeless("明", "明け", Kind::Ake, {}, "#A0A0C0") };
    StaffLine minor { "高校生", { "日" }, {} };
    minor.rules.birthDate = QDate(2009, 4, 1);
    minor.rules.care = { true, false };
    minor.rules.maxHours = 60;
    StaffLine student { "留学生", {}, { "レジ" } };
    student.rules.student = true;
    student.rules.vacations = { { QDate(2027, 2, 10), QDate(2027, 4, 5) } };
    student.shiftWork = true;
    student.uncounted = true;
    set.staff = { minor, student, { "田中", {}, {} } };
    set.sequence.forbidden = { { "夜", "日" } };
    set.sequence.runLimits = { { "夜", 1 } };
    set.sequence.offAfterAke = true;

    const QByteArray bytes = patternfile::serialize(set);
    EXPECT_TRUE(
        bytes.contains(sjis("職員,高校生,日,,生年月日=2009/4/1,育児・介護の制限=深夜なし,勤務時間の上限=60,\r\n")));
    EXPECT_TRUE(
        bytes.contains(sjis("職員,留学生,,レジ,留学生,長期休業=2027/2/10-2027/4/5,シフト制,人数に数えない,\r\n")));
    EXPECT_TRUE(bytes.contains(sjis("職員,田中,,,\r\n")));
    EXPECT_TRUE(bytes.endsWith(sjis("並び,禁止,夜,日,\r\n並び,連続,夜,1,\r\n並び,明けの後は休み,\r\n")));
    const patternfile::ReadResult again = patternfile::read(bytes);
    EXPECT_TRUE(again.rejected.isEmpty());
    EXPECT_EQ(again.patterns, set);
}
