#include "patterns/Unitpattern.h"
#include "ui_Unitpattern.h"

#include "data/Unitdata.h"
#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "patterns/PatternEdits.h"
#include "patterns/StaffImport.h"
#include "patterns/Unitpersonrules.h"
#include "patterns/Unitstaffimport.h"
#include "platform/Dialogs.h"

#include <QCloseEvent>
#include <QFile>
#include <QHeaderView>
#include <QSignalBlocker>

using patterns::Kind;
using patterns::Pattern;
using patterns::StaffLine;

namespace {

// clang-format off
const QString kUsage = QStringLiteral("【勤務パターン設定】\r\n\r\n■ 「勤務パターン」のページで，早番・日勤・夜勤・明けなどの勤務パターンを登録します．表の行を選ぶと下の欄に内容が表示され，欄を書き換えて「変更」，新しい記号にして「追加」します．\r\n\r\n■ 開始・終了は 9:00 の形で入力します．終了が開始以前の勤務（16:30～9:00 など）は翌日に終わります．深夜零時の終了は 24:00 です．休憩は分（60）か時刻（1:00-3:00，仮眠など）で入力します．\r\n\r\n■ 「明け」は夜勤の翌朝の日で，休日ではありません．「休」は名前の付いた休日（年休など）で，公休・休み・その他のいずれかの日になります．\r\n\r\n■ 勤務パターンがないときは，ひな形（飲食・小売，病棟（２交代））から始められます．\r\n\r\n■ 「職員」のページで，従業員ごとに勤務できる勤務パターンにチェックし，資格・担当（看護師，新人，レジなど）を「、」で区切って入力します．「従業員の取り込み…」で，CSV ファイル（氏名，時給，月～日）から従業員を登録します．「労務の条件…」で，選んだ従業員の生年月日・留学生・請求・公休の日数・期間ごとの上限と下限などを設定します．\r\n\r\n■ 「勤務の並び」のページで，翌日に続けてはいけない勤務（夜→日など），同じ勤務を続けられる日数の上限，明けの後の休みを設定します．「日本看護協会ガイドライン（２交代）…」で，根拠を確かめてからガイドラインの値を設定します．\r\n\r\n■ 「元に戻す」（Ctrl+Z），「やり直し」（Ctrl+Y）で，この画面を開いている間の編集を取り消し・再実行できます．\r\n\r\n■ 「登録」（Ctrl+S）で登録した勤務パターンは，終了時に zelrotandata7.zel に保存されます．");
const QString kForbiddenName = QStringLiteral("禁止の並び");
const QString kRunLimitName = QStringLiteral("連続の上限");
const QString kNoEmployeeChosen = QStringLiteral("▼ 従業員が選ばれていません．\r\n\r\n▽ 表で従業員の行を選んでください．");
const QString kNoPatternForRule = QStringLiteral("勤務パターンを選んでください");
const QString kGuidelineAsk = QStringLiteral("▼ 日本看護協会ガイドライン（２交代）の次の設定をします．\r\n\r\n%1\r\n夜勤の上限は，「夜」に勤務できる職員ごとに設定します．設定後も一つずつ変更できます．\r\n\r\n▽ 設定しますか？");
const QString kUnregistered = QStringLiteral("▼ 登録していない変更があります．\r\n\r\n▽ 変更を登録せずに閉じますか？");
const QString kNoSelection = QStringLiteral("▼ 勤務パターンを表で選んでください．");
const QString kUsedWorking = QStringLiteral("■ 勤務パターン「%1」（%2）は，勤務変更 %3 件で使われています．\r\n\r\n□ 削除しても，これらの勤務変更は時刻のまま残ります．\r\n\r\n□ 削除しますか？");
const QString kUsedTimeless = QStringLiteral("■ 勤務パターン「%1」（%2）は，勤務変更 %3 件で使われています．\r\n\r\n□ 削除すると，これらの勤務変更は「%4」の日として残ります．\r\n\r\n□ 削除しますか？");
const QString kOnlyPattern = QStringLiteral("▼ 「%1」は，%2 が勤務できるただ１つの勤務パターンです．\r\n\r\n▽ 先に「職員」のページで，勤務できる勤務パターンを変えてください．");
const QString kFollowCleared = QStringLiteral("□ 「%1」の後に続く勤務を空にしました．");
const QString kNoPatternChecked = QStringLiteral("▼ 勤務できる勤務パターンを１つ以上チェックしてください．\r\n\r\n▽ すべてにチェックすると，すべての勤務パターン（後で追加するものも）を勤務できます．");
const QString kUnreadable = QStringLiteral("▼ ファイル %1 を読み込めませんでした．\r\n\r\n%2");
const QString kRegisteredStaff = QStringLiteral("■ 従業員 %1 名を従業員マスタに登録しました．");
// clang-format on

enum PatternColumn { Code, Name, Start, End, Break, Net, KindColumn, Colour, Follow, PatternColumns };

QTableWidgetItem* cellItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

// One undoable edit: the sheet before and after it.
class TFormPattern::SheetCommand : public QUndoCommand {
public:
    SheetCommand(TFormPattern& window, const QString& text, Sheet before, Sheet after)
        : QUndoCommand(text)
        , window_(window)
        , before_(std::move(before))
        , after_(std::move(after))
    {
    }
    void redo() override { window_.setSheet(after_); }
    void undo() override { window_.setSheet(before_); }

private:
    TFormPattern& window_;
    Sheet before_;
    Sheet after_;
};

TFormPattern::TFormPattern(Forms& forms)
    : ui(std::make_unique<Ui::TFormPattern>())
    , forms_(forms)
{
    ui->setupUi(this);
    attachFormetry(this);
    ui->ComStarter->addItems(
        { patterns::starterName(patterns::Starter::Shop), patterns::starterName(patterns::Starter::Ward) });
    ui->ComKind->addItems({ QStringLiteral("勤務"), QStringLiteral("明け"), QStringLiteral("休") });
    ui->ComOff->addItems({ QStringLiteral("公休"), QStringLiteral("休み"), QStringLiteral("その他") });
    ui->LabelColour->setAutoFillBackground(true);
    ui->LabelColour->setFrameShape(QFrame::Box);

    QTableWidget* grid = ui->GridPatterns;
    grid->setColumnCount(PatternColumns);
    grid->setHorizontalHeaderLabels({ QStringLiteral("記号"), QStringLiteral("名称"), QStringLiteral("開始"),
        QStringLiteral("終了"), QStringLiteral("休憩"), QStringLiteral("実働"), QStringLiteral("種類"),
        QStringLiteral("色"), QStringLiteral("後に続く勤務") });
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setColumnWidth(Name, 130);
    grid->setColumnWidth(Break, 110);
    // A row chosen by the keyboard, the mouse or an assistive tool shows in the fields.
    connect(grid, &QTableWidget::itemSelectionChanged, this, [this] { showPattern(selectedPattern()); });
    ui->GridStaff->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ui->GridStaff, &QTableWidget::cellChanged, this, &TFormPattern::GridStaffItemChanged);

    const auto guarded = [this](void (TFormPattern::*handler)()) {
        return [this, handler] { dialogs::guard([this, handler] { (this->*handler)(); }); };
    };
    const std::pair<QPushButton*, void (TFormPattern::*)()> commands[] = {
        { ui->BtnStarter, &TFormPattern::BtnStarterClick },
        { ui->BtnAdd, &TFormPattern::BtnAddClick },
        { ui->BtnChange, &TFormPattern::BtnChangeClick },
        { ui->BtnDelete, &TFormPattern::BtnDeleteClick },
        { ui->BtnColour, &TFormPattern::BtnColourClick },
        { ui->BtnDeleteApart, &TFormPattern::BtnDeleteApartClick },
        { ui->BtnImport, &TFormPattern::BtnImportClick },
        { ui->BtnPersonRules, &TFormPattern::BtnPersonRulesClick },
        { ui->BtnRuleAdd, &TFormPattern::BtnRuleAddClick },
        { ui->BtnRuleChange, &TFormPattern::BtnRuleChangeClick },
        { ui->BtnRuleDelete, &TFormPattern::BtnRuleDeleteClick },
        { ui->BtnWardGuideline, &TFormPattern::BtnWardGuidelineClick },
    };
    for (const auto& [button, handler] : commands)
        connect(button, &QPushButton::clicked, this, guarded(handler));
    connect(ui->BtnUp, &QPushButton::clicked, this, [this] { move(-1); });
    connect(ui->BtnDown, &QPushButton::clicked, this, [this] { move(1); });
    connect(ui->NRegister, &QAction::triggered, this, guarded(&TFormPattern::NRegisterClick));
    connect(ui->NUndo, &QAction::triggered, &undo_, &QUndoStack::undo);
    connect(ui->NRedo, &QAction::triggered, &undo_, &QUndoStack::redo);
    connect(ui->NClose, &QAction::triggered, this, &QWidget::close);
    connect(ui->N12, &QAction::triggered, this,
        [this] { dialogs::message(dialogs::Kind::Plain, kUsage, dialogs::Buttons::Ok, this); });
    const std::pair<QPushButton*, QAction*> buttons[] = {
        { ui->BtnUndo, ui->NUndo },
        { ui->BtnRedo, ui->NRedo },
        { ui->BtnRegister, ui->NRegister },
        { ui->BtnClose, ui->NClose },
    };
    for (const auto& [button, item] : buttons)
        connect(button, &QPushButton::clicked, item, &QAction::trigger);
    ui->NRedo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) });
    for (QObject* undo : std::initializer_list<QObject*> { ui->NUndo, ui->BtnUndo })
        connect(&undo_, &QUndoStack::canUndoChanged, undo, [undo](bool on) { undo->setProperty("enabled", on); });
    for (QObject* redo : std::initializer_list<QObject*> { ui->NRedo, ui->BtnRedo })
        connect(&undo_, &QUndoStack::canRedoChanged, redo, [redo](bool on) { redo->setProperty("enabled", on); });
    for (QObject* w : std::initializer_list<QObject*> { ui->NUndo, ui->NRedo, ui->BtnUndo, ui->BtnRedo })
        w->setProperty("enabled", false);

    connect(ui->ComKind, &QComboBox::currentIndexChanged, this, &TFormPattern::showKind);
    for (QLineEdit* edit : { ui->EditStart, ui->EditEnd, ui->EditBreak })
        connect(edit, &QLineEdit::textChanged, this, &TFormPattern::showNet);
    ui->ComRuleKind->addItems({ kForbiddenName, kRunLimitName });
    connect(ui->ComRuleKind, &QComboBox::currentIndexChanged, this, &TFormPattern::showRuleKind);
    showRuleKind();
    connect(ui->ListSequence, &QListWidget::currentRowChanged, this, [this](int row) {
        const labour::SequenceRules& rules = sheet_.set.sequence;
        if (row < 0 || row >= rules.forbidden.size() + rules.runLimits.size())
            return;
        const bool forbidden = row < rules.forbidden.size();
        ui->ComRuleKind->setCurrentIndex(forbidden ? 0 : 1);
        if (forbidden) {
            ui->ComRuleFirst->setCurrentText(rules.forbidden[row].first);
            ui->ComRuleNext->setCurrentText(rules.forbidden[row].next);
        } else {
            const labour::CodeRunLimit& run = rules.runLimits[row - rules.forbidden.size()];
            ui->ComRuleFirst->setCurrentText(run.code);
            ui->SpinRuleMost->setValue(run.most);
        }
    });
    connect(ui->CheckOffAfterAke, &QCheckBox::clicked, this, [this](bool on) {
        Sheet after = sheet_;
        after.set.sequence.offAfterAke = on;
        apply(QStringLiteral("明けの後は休み"), after);
    });
    connect(ui->ListApart, &QListWidget::itemSelectionChanged, this,
        [this] { ui->BtnDeleteApart->setEnabled(!ui->ListApart->selectedItems().isEmpty()); });
}

TFormPattern::~TFormPattern()
{
    // An editor still open commits its text while the grid is destroyed.
    ui->GridStaff->disconnect(this);
}

// ---- Showing and closing ----

void TFormPattern::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    Sheet sheet { forms_.FormData->shiftPatterns, {}, forms_.FormData->labourSettings };
    registeredCodes_.clear();
    for (nextId_ = 0; nextId_ < sheet.set.patterns.size(); ++nextId_) {
        sheet.ids.append(nextId_);
        registeredCodes_.insert(nextId_, sheet.set.patterns[nextId_].code);
    }
    setSheet(sheet);
    ui->PageControl1->setCurrentIndex(0);
    ui->GridPatterns->setCurrentCell(sheet.set.isEmpty() ? -1 : 0, 0);
    showPattern(selectedPattern());
    (sheet.set.isEmpty() ? static_cast<QWidget*>(ui->ComStarter) : ui->GridPatterns)->setFocus();
}

void TFormPattern::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        undo_.clear(); // what can be undone is what was done while the window was open
}

void TFormPattern::closeEvent(QCloseEvent* event)
{
    if ((sheet_.set != forms_.FormData->shiftPatterns || sheet_.settings != forms_.FormData->labourSettings)
        && dialogs::message(dialogs::Kind::Warning, kUnregistered, dialogs::Buttons::YesNo, this)
            != dialogs::Answer::Yes) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    hide();
    Q_EMIT closed();
}

// ---- The sheet ----

void TFormPattern::setSheet(const Sheet& sheet)
{
    sheet_ = sheet;
    refresh();
}

void TFormPattern::apply(const QString& text, const Sheet& after)
{
    if (after != sheet_)
        undo_.push(new SheetCommand(*this, text, sheet_, after)); // carries the edit out at once
}

void TFormPattern::refresh()
{
    refreshPatterns();
    refreshStaff();
    refreshSequence();
}

void TFormPattern::refreshPatterns()
{
    const QList<Pattern>& list = sheet_.set.patterns;
    QTableWidget* grid = ui->GridPatterns;
    const int current = selectedPattern();
    {
        const QSignalBlocker blocker(grid);
        grid->setRowCount(static_cast<int>(list.size()));
        for (int r = 0; r < list.size(); ++r) {
            const Pattern& p = list[r];
            const QString none = QStringLiteral("－");
            const QStringList texts { p.code, p.name, p.isWorking() ? patterns::clockText(p.start) : none,
                p.isWorking() ? patterns::clockText(p.end) : none,
                p.isWorking() ? (p.breakTime ? patterns::breakText(p) : QStringLiteral("%1分").arg(p.breakMinutes))
                              : none,
                p.isWorking() ? patterns::durationText(p.netMinutes()) : none, patterns::kindText(p), p.colour,
                p.follow };
            for (int c = 0; c < PatternColumns; ++c)
                grid->setItem(r, c, cellItem(texts[c]));
            grid->item(r, Colour)->setBackground(QColor(p.colour));
            grid->item(r, Colour)->setForeground(QColor(p.colour).lightness() < 128 ? Qt::white : Qt::black);
        }
        grid->setCurrentCell(std::min(current, static_cast<int>(list.size()) - 1), 0);
    }
    const QString follow = ui->ComFollow->currentData().toString();
    ui->ComFollow->clear();
    ui->ComFollow->addItem(QStringLiteral("（なし）"), QString());
    for (const Pattern& p : list)
        ui->ComFollow->addItem(p.code + QStringLiteral("　") + p.name, p.code);
    ui->ComFollow->setCurrentIndex(std::max(0, ui->ComFollow->findData(follow)));
    ui->BtnStarter->setEnabled(list.isEmpty());
    ui->ComStarter->setEnabled(list.isEmpty());
    showPattern(selectedPattern());
}

QStringList TFormPattern::employees() const
{
    QStringList names;
    const Table& master = forms_.FormData->StringGrid1;
    for (int row = 0; row < kMaxEmployees; ++row)
        if (const QString name = master.cell(0, row); !name.isEmpty() && !names.contains(name))
            names.append(name);
    return names;
}

void TFormPattern::refreshStaff()
{
    QTableWidget* grid = ui->GridStaff;
    const QSignalBlocker blocker(grid);
    const QStringList names = employees();
    QList<int> working;
    for (int i = 0; i < sheet_.set.patterns.size(); ++i)
        if (sheet_.set.patterns[i].isWorking())
            working.append(i);
    grid->setRowCount(static_cast<int>(names.size()));
    grid->setColumnCount(static_cast<int>(working.size()) + 1);
    for (int c = 0; c < working.size(); ++c) {
        const Pattern& p = sheet_.set.patterns[working[c]];
        auto* header = new QTableWidgetItem(p.code);
        header->setData(Qt::UserRole, p.code);
        header->setToolTip(p.name + QStringLiteral("　") + patterns::timesText(p));
        grid->setHorizontalHeaderItem(c, header);
        grid->setColumnWidth(c, 48);
    }
    grid->setHorizontalHeaderItem(static_cast<int>(working.size()), new QTableWidgetItem(QStringLiteral("資格・担当")));
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setVerticalHeaderLabels(names);
    for (int r = 0; r < names.size(); ++r) {
        for (int c = 0; c < working.size(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(sheet_.set.allows(names[r], working[c]) ? Qt::Checked : Qt::Unchecked);
            item->setData(Qt::AccessibleTextRole, sheet_.set.patterns[working[c]].code);
            grid->setItem(r, c, item);
        }
        const StaffLine* line = sheet_.set.staffLine(names[r]);
        grid->setItem(r, static_cast<int>(working.size()),
            new QTableWidgetItem(line ? patterns::qualificationsText(line->qualifications) : QString()));
    }
    ui->ListApart->clear();
    for (const StaffLine& line : sheet_.set.staff) {
        if (names.contains(line.name))
            continue;
        auto* item = new QListWidgetItem(line.name + QStringLiteral("：勤務 ")
            + (line.codes.isEmpty() ? QStringLiteral("すべて") : line.codes.join(QStringLiteral("，")))
            + QStringLiteral("　資格・担当 ") + patterns::qualificationsText(line.qualifications));
        item->setData(Qt::UserRole, line.name);
        ui->ListApart->addItem(item);
    }
    ui->BtnDeleteApart->setEnabled(false);
}

// ---- The fields ----

int TFormPattern::selectedPattern() const
{
    const QModelIndexList rows = ui->GridPatterns->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TFormPattern::showPattern(int index)
{
    const Pattern p = index >= 0 && index < sheet_.set.patterns.size() ? sheet_.set.patterns[index] : Pattern {};
    ui->EditCode->setText(p.code);
    ui->EditName->setText(p.name);
    ui->ComKind->setCurrentIndex(static_cast<int>(p.kind));
    ui->ComOff->setCurrentIndex(std::max(0, ui->ComOff->findText(p.offAttribute)));
    ui->EditStart->setText(p.isWorking() && index >= 0 ? patterns::clockText(p.start) : QString());
    ui->EditEnd->setText(p.isWorking() && index >= 0 ? patterns::clockText(p.end) : QString());
    ui->EditBreak->setText(p.isWorking() && index >= 0 ? patterns::breakText(p) : QString());
    ui->ComFollow->setCurrentIndex(std::max(0, ui->ComFollow->findData(p.follow)));
    colour_ = index >= 0 ? p.colour : QStringLiteral("#FFFFFF");
    showColour();
    showKind();
}

// The fields a kind has: times for a working pattern, an attribute for a day off.
void TFormPattern::showKind()
{
    const int kind = ui->ComKind->currentIndex();
    for (QWidget* w : std::initializer_list<QWidget*> { ui->EditStart, ui->EditEnd, ui->EditBreak })
        w->setEnabled(kind == 0);
    ui->ComOff->setEnabled(kind == 2);
    showNet();
}

// The time worked of the fields as they stand, while they are typed.
void TFormPattern::showNet()
{
    QString text;
    const auto start = patterns::typedClock(ui->EditStart->text());
    const auto end = patterns::typedClock(ui->EditEnd->text());
    if (ui->ComKind->currentIndex() == 0 && start && end) {
        Pattern p;
        p.start = *start;
        p.end = *end;
        if (const auto pause = patterns::typedBreak(ui->EditBreak->text(), *start)) {
            p.breakMinutes = pause->minutes;
            text = QStringLiteral("実働 ") + patterns::durationText(p.netMinutes()) + QStringLiteral("（拘束 ")
                + patterns::durationText(p.span()) + QStringLiteral("）");
        }
    }
    ui->LabelNet->setText(text);
}

void TFormPattern::showColour()
{
    QPalette palette = ui->LabelColour->palette();
    palette.setColor(QPalette::Window, QColor(colour_));
    ui->LabelColour->setPalette(palette);
    ui->LabelColour->setAccessibleDescription(colour_);
}

bool TFormPattern::refuse(const QString& fault)
{
    if (!fault.isEmpty())
        dialogs::message(
            dialogs::Kind::Warning, QStringLiteral("▼ ") + fault + QStringLiteral("．"), dialogs::Buttons::Ok, this);
    return !fault.isEmpty();
}

std::optional<Pattern> TFormPattern::fieldsPattern()
{
    Pattern p;
    p.code = ui->EditCode->text().trimmed();
    p.name = ui->EditName->text().trimmed();
    p.kind = static_cast<Kind>(ui->ComKind->currentIndex());
    p.colour = colour_;
    p.follow = ui->ComFollow->currentData().toString();
    if (p.kind == Kind::DayOff)
        p.offAttribute = ui->ComOff->currentText();
    if (p.isWorking()) {
        const auto start = patterns::typedClock(ui->EditStart->text());
        const auto end = patterns::typedClock(ui->EditEnd->text());
        if (!start || !end) {
            refuse(QStringLiteral("%1時刻は 9:00 の形で入力してください")
                       .arg(start ? QStringLiteral("終了") : QStringLiteral("開始")));
            (start ? ui->EditEnd : ui->EditStart)->setFocus();
            return std::nullopt;
        }
        p.start = *start;
        p.end = *end;
        const auto pause = patterns::typedBreak(ui->EditBreak->text(), p.start);
        if (!pause) {
            refuse(QStringLiteral("休憩は分（60）か時刻（1:00-3:00）で入力してください"));
            ui->EditBreak->setFocus();
            return std::nullopt;
        }
        p.breakMinutes = pause->minutes;
        p.breakTime = pause->time;
    }
    if (refuse(patterns::patternFault(p)))
        return std::nullopt;
    return p;
}

// ---- Commands of the patterns ----

void TFormPattern::BtnStarterClick()
{
    if (!sheet_.set.isEmpty())
        return;
    Sheet after = sheet_;
    after.set.patterns = patterns::starterSet(static_cast<patterns::Starter>(ui->ComStarter->currentIndex()));
    for (int i = 0; i < after.set.patterns.size(); ++i)
        after.ids.append(nextId_++);
    apply(QStringLiteral("ひな形"), after);
    ui->GridPatterns->setCurrentCell(0, 0);
    ui->GridPatterns->setFocus();
}

void TFormPattern::BtnAddClick()
{
    const auto p = fieldsPattern();
    if (!p)
        return;
    Sheet after = sheet_;
    after.set.patterns.append(*p);
    after.ids.append(nextId_++);
    if (refuse(patterns::clashFault(*p, sheet_.set.patterns)) || refuse(patterns::followFault(*p, after.set.patterns)))
        return;
    apply(QStringLiteral("勤務パターンの追加"), after);
    ui->GridPatterns->setCurrentCell(static_cast<int>(after.set.patterns.size()) - 1, 0);
}

void TFormPattern::BtnChangeClick()
{
    const int i = selectedPattern();
    if (i < 0) {
        dialogs::message(dialogs::Kind::Information, kNoSelection, dialogs::Buttons::Ok, this);
        return;
    }
    const auto p = fieldsPattern();
    if (!p)
        return;
    QList<Pattern> others = sheet_.set.patterns;
    const Pattern before = others.takeAt(i);
    if (refuse(patterns::clashFault(*p, others)))
        return;
    Sheet after = sheet_;
    after.set.patterns[i] = *p;
    if (before.code != p->code)
        patterns::renameCode(after.set, before.code, p->code);
    if (refuse(patterns::followFault(after.set.patterns[i], after.set.patterns)))
        return;
    if (before.isWorking() && !p->isWorking()) {
        const QStringList only = patterns::onlyPatternOf(after.set, p->code);
        if (!only.isEmpty()) {
            dialogs::message(dialogs::Kind::Warning, kOnlyPattern.arg(before.code, only.join(QStringLiteral("，"))),
                dialogs::Buttons::Ok, this);
            return;
        }
        patterns::leaveStaffLines(after.set, p->code);
    }
    apply(QStringLiteral("勤務パターンの変更"), after);
}

void TFormPattern::BtnDeleteClick()
{
    const int i = selectedPattern();
    if (i < 0) {
        dialogs::message(dialogs::Kind::Information, kNoSelection, dialogs::Buttons::Ok, this);
        return;
    }
    const Pattern& p = sheet_.set.patterns[i];
    const QStringList only = p.isWorking() ? patterns::onlyPatternOf(sheet_.set, p.code) : QStringList();
    if (!only.isEmpty()) {
        dialogs::message(dialogs::Kind::Warning, kOnlyPattern.arg(p.code, only.join(QStringLiteral("，"))),
            dialogs::Buttons::Ok, this);
        return;
    }
    // The day changes carry the code the pattern was registered with.
    Pattern registered = p;
    registered.code = registeredCodes_.value(sheet_.ids[i], p.code);
    const int uses = patterns::changesUsing(forms_.FormData->dayChanges, registered);
    if (uses > 0) {
        const QString question = p.isWorking() ? kUsedWorking.arg(p.code, p.name).arg(uses)
                                               : kUsedTimeless.arg(p.code, p.name).arg(uses).arg(p.attribute());
        if (dialogs::message(dialogs::Kind::Warning, question, dialogs::Buttons::YesNo, this) != dialogs::Answer::Yes)
            return;
    }
    Sheet after = sheet_;
    const QStringList cleared = patterns::removePattern(after.set, i);
    after.ids.removeAt(i);
    apply(QStringLiteral("勤務パターンの削除"), after);
    for (const QString& code : cleared)
        dialogs::message(dialogs::Kind::Information, kFollowCleared.arg(code), dialogs::Buttons::Ok, this);
}

void TFormPattern::move(int by)
{
    const int i = selectedPattern();
    const int j = i + by;
    if (i < 0 || j < 0 || j >= sheet_.set.patterns.size())
        return;
    Sheet after = sheet_;
    after.set.patterns.swapItemsAt(i, j);
    after.ids.swapItemsAt(i, j);
    apply(QStringLiteral("勤務パターンの移動"), after);
    ui->GridPatterns->setCurrentCell(j, 0);
}

void TFormPattern::BtnColourClick()
{
    if (const auto colour = dialogs::color(this, QColor(colour_))) {
        colour_ = colour->name().toUpper();
        showColour();
    }
}

// ---- Commands of the staff ----

void TFormPattern::GridStaffItemChanged(int row, int column)
{
    QTableWidget* grid = ui->GridStaff;
    const QStringList names = employees();
    const QString name = names.value(row);
    const StaffLine* current = sheet_.set.staffLine(name);
    StaffLine line = current ? *current : StaffLine { name, {}, {} };
    const int qualifications = grid->columnCount() - 1;
    if (column == qualifications) {
        line.qualifications = patterns::typedQualifications(grid->item(row, column)->text());
        if (refuse(patterns::staffFault(line, sheet_.set.patterns))) {
            refreshStaff();
            return;
        }
    } else {
        QStringList checked;
        for (int c = 0; c < qualifications; ++c)
            if (grid->item(row, c)->checkState() == Qt::Checked)
                checked.append(grid->horizontalHeaderItem(c)->data(Qt::UserRole).toString());
        if (checked.isEmpty()) {
            dialogs::message(dialogs::Kind::Warning, kNoPatternChecked, dialogs::Buttons::Ok, this);
            refreshStaff();
            return;
        }
        line.codes = checked.size() == qualifications ? QStringList() : checked; // all: every pattern
    }
    apply(QStringLiteral("職員の設定"), withStaffLine(sheet_, line));
    refreshStaff(); // the typed qualifications as the table keeps them
}

TFormPattern::Sheet TFormPattern::withStaffLine(const Sheet& sheet, const StaffLine& line) const
{
    // The lines of the master's employees in master order, then those apart as they were.
    const QStringList names = employees();
    Sheet after = sheet;
    after.set.staff.clear();
    for (const QString& employee : names) {
        const StaffLine* kept = employee == line.name ? &line : sheet.set.staffLine(employee);
        if (kept && !kept->isPlain())
            after.set.staff.append(*kept);
    }
    for (const StaffLine& apart : sheet.set.staff)
        if (!names.contains(apart.name))
            after.set.staff.append(apart);
    return after;
}

void TFormPattern::BtnPersonRulesClick()
{
    const QString name = employees().value(ui->GridStaff->currentRow());
    if (name.isEmpty()) {
        dialogs::message(dialogs::Kind::Warning, kNoEmployeeChosen, dialogs::Buttons::Ok, this);
        return;
    }
    const StaffLine* current = sheet_.set.staffLine(name);
    TDialogPersonRules dialog(current ? *current : StaffLine { name, {}, {} }, this);
    if (dialog.exec() == QDialog::Accepted)
        apply(QStringLiteral("労務の条件"), withStaffLine(sheet_, dialog.line()));
}

void TFormPattern::BtnDeleteApartClick()
{
    const QList<QListWidgetItem*> selected = ui->ListApart->selectedItems();
    if (selected.isEmpty())
        return;
    Sheet after = sheet_;
    const QString name = selected.first()->data(Qt::UserRole).toString();
    after.set.staff.removeIf([&name](const StaffLine& line) { return line.name == name; });
    apply(QStringLiteral("マスタにない職員の行の削除"), after);
}

void TFormPattern::BtnImportClick()
{
    const auto file = dialogs::openFile(this, QStringLiteral("従業員の取り込み"),
        { QStringLiteral("CSV ファイル (*.csv *.txt)"), QStringLiteral("すべてのファイル (*)") });
    if (!file)
        return;
    QFile in(*file);
    if (!in.open(QIODevice::ReadOnly)) {
        dialogs::message(dialogs::Kind::Error, kUnreadable.arg(*file, in.errorString()), dialogs::Buttons::Ok, this);
        return;
    }
    const patterns::StaffImportPreview preview
        = patterns::parseStaffImport(in.readAll(), forms_.FormData->StringGrid1, sheet_.set);
    if (!import_) {
        import_ = std::make_unique<TFormStaffImport>(this);
        connect(
            import_.get(), &TFormStaffImport::importChosen, this, [this](const QList<patterns::StaffImportRow>& rows) {
                patterns::registerStaff(forms_.FormData->StringGrid1, rows);
                Q_EMIT tableChanged();
                refreshStaff();
                dialogs::message(
                    dialogs::Kind::Information, kRegisteredStaff.arg(rows.size()), dialogs::Buttons::Ok, this);
            });
    }
    import_->preview(*file, preview);
}

// ---- Commands of the sequence ----

void TFormPattern::refreshSequence()
{
    const labour::SequenceRules& rules = sheet_.set.sequence;
    const int current = ui->ListSequence->currentRow();
    {
        const QSignalBlocker blocker(ui->ListSequence);
        ui->ListSequence->clear();
        for (const labour::ForbiddenPair& pair : rules.forbidden)
            ui->ListSequence->addItem(kForbiddenName + QStringLiteral("　%1→%2").arg(pair.first, pair.next));
        for (const labour::CodeRunLimit& run : rules.runLimits)
            ui->ListSequence->addItem(kRunLimitName + QStringLiteral("　%1 %2日").arg(run.code).arg(run.most));
        ui->ListSequence->setCurrentRow(std::min(current, ui->ListSequence->count() - 1));
    }
    ui->CheckOffAfterAke->setChecked(rules.offAfterAke);
    for (QComboBox* box : { ui->ComRuleFirst, ui->ComRuleNext }) {
        const QString code = box->currentText();
        box->clear();
        for (const Pattern& p : sheet_.set.patterns)
            if (p.isWorking())
                box->addItem(p.code);
        box->setCurrentText(code);
    }
}

void TFormPattern::showRuleKind()
{
    const bool forbidden = ui->ComRuleKind->currentIndex() == 0;
    ui->ComRuleNext->setEnabled(forbidden);
    ui->SpinRuleMost->setEnabled(!forbidden);
}

bool TFormPattern::addFieldsRule(labour::SequenceRules& rules)
{
    const QString first = ui->ComRuleFirst->currentText();
    if (first.isEmpty())
        return !refuse(kNoPatternForRule);
    const QStringList fields = ui->ComRuleKind->currentIndex() == 0
        ? QStringList { QStringLiteral("禁止"), first, ui->ComRuleNext->currentText() }
        : QStringList { QStringLiteral("連続"), first, QString::number(ui->SpinRuleMost->value()) };
    return !refuse(labour::addRuleLine(rules, fields));
}

labour::SequenceRules TFormPattern::withoutRule(int index) const
{
    labour::SequenceRules rules = sheet_.set.sequence;
    if (index < rules.forbidden.size())
        rules.forbidden.removeAt(index);
    else
        rules.runLimits.removeAt(index - rules.forbidden.size());
    return rules;
}

void TFormPattern::BtnRuleAddClick()
{
    Sheet after = sheet_;
    if (addFieldsRule(after.set.sequence))
        apply(QStringLiteral("勤務の並びの追加"), after);
}

void TFormPattern::BtnRuleChangeClick()
{
    const int row = ui->ListSequence->currentRow();
    if (row < 0)
        return;
    Sheet after = sheet_;
    after.set.sequence = withoutRule(row);
    if (addFieldsRule(after.set.sequence))
        apply(QStringLiteral("勤務の並びの変更"), after);
}

void TFormPattern::BtnRuleDeleteClick()
{
    const int row = ui->ListSequence->currentRow();
    if (row < 0)
        return;
    Sheet after = sheet_;
    after.set.sequence = withoutRule(row);
    apply(QStringLiteral("勤務の並びの削除"), after);
}

void TFormPattern::BtnWardGuidelineClick()
{
    QString lines;
    for (const labour::PresetLine& line : labour::wardGuidelineLines())
        lines += QStringLiteral("・%1\r\n　（%2）\r\n").arg(line.text, line.source);
    if (dialogs::message(dialogs::Kind::Plain, kGuidelineAsk.arg(lines), dialogs::Buttons::YesNo, this)
        != dialogs::Answer::Yes)
        return;
    // The nurses are those who may work the night "夜".
    Sheet after = sheet_;
    const int night = sheet_.set.indexOf(QStringLiteral("夜"));
    QList<StaffLine> nurses;
    QList<labour::PersonRules> rules;
    for (const QString& name : employees()) {
        if (night < 0 || !sheet_.set.allows(name, night))
            continue;
        const StaffLine* line = sheet_.set.staffLine(name);
        nurses.append(line ? *line : StaffLine { name, {}, {} });
        rules.append(nurses.last().rules);
    }
    labour::applyWardGuideline(after.settings, after.set.sequence, rules);
    for (int i = 0; i < nurses.size(); ++i) {
        nurses[i].rules = rules[i];
        after = withStaffLine(after, nurses[i]);
    }
    apply(QStringLiteral("日本看護協会ガイドライン（２交代）"), after);
    ui->ListSequence->setFocus();
}

// ---- Registering ----

void TFormPattern::NRegisterClick()
{
    // A pattern without times that day changes carry: its code now, or none where it is gone or
    // has times now (a new pattern without times of the same code keeps them).
    const patterns::ShiftPatterns& registered = forms_.FormData->shiftPatterns;
    QHash<QString, QString> codes;
    for (auto it = registeredCodes_.cbegin(); it != registeredCodes_.cend(); ++it) {
        const int was = registered.indexOf(it.value());
        if (was < 0 || registered.patterns[was].isWorking())
            continue;
        const int row = static_cast<int>(sheet_.ids.indexOf(it.key()));
        const int same = sheet_.set.indexOf(it.value());
        if (row >= 0 && !sheet_.set.patterns[row].isWorking())
            codes.insert(it.value(), sheet_.set.patterns[row].code);
        else
            codes.insert(it.value(), same >= 0 && !sheet_.set.patterns[same].isWorking() ? it.value() : QString());
    }
    forms_.FormData->shiftPatterns = sheet_.set;
    forms_.FormData->labourSettings = sheet_.settings;
    patterns::followCodes(forms_.FormData->dayChanges, codes);
    registeredCodes_.clear();
    for (int i = 0; i < sheet_.ids.size(); ++i)
        registeredCodes_.insert(sheet_.ids[i], sheet_.set.patterns[i].code);
    Q_EMIT tableChanged();
}
