#include "reports/Uniteditor.h"
#include "ui_Uniteditor.h"

#include "forms/Forms.h"
#include "forms/WindowScaling.h"
#include "platform/Dialogs.h"
#include "platform/MenuItems.h"
#include "platform/RichEdit.h"
#include "reports/ViewOutput.h"

#include <QCloseEvent>
#include <QMenu>
#include <QShowEvent>
#include <QTextDocument>

namespace {

const QString kLimitedCaption = QStringLiteral("ZEL Simple Editor for View Limited ．．．Read Only Mode");

void setAlignment(QTextEdit& text, Qt::Alignment alignment)
{
    QTextOption option = text.document()->defaultTextOption();
    option.setAlignment(alignment);
    text.document()->setDefaultTextOption(option);
}

} // namespace

TFormEditor::TFormEditor(Forms& forms)
    : ui(std::make_unique<Ui::TFormEditor>())
    , forms_(forms)
{
    ui->setupUi(this);
    // Bold 13-pixel Gothic type in dark grey on pale green, centred.
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(13);
    font.setBold(true);
    ui->RichEdit1->setFont(font);
    setColour(QPalette::Text, QColor(64, 64, 64));
    setColour(QPalette::Base, QColor(204, 255, 204));
    attachFormetry(this);
    setAlignment(*ui->RichEdit1, Qt::AlignHCenter);
    buildPopupMenu();
}

TFormEditor::~TFormEditor() = default;

void TFormEditor::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setAccessibleName(QStringLiteral("テキストのメニュー"));
    const auto item = [this](QMenu* menu, const char* name, const QString& text, std::function<void()> handler) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, std::move(handler));
        addAction(a); // its shortcut works while the menu is closed
        return a;
    };
    NMode = item(PopupMenu1, "NMode", QStringLiteral("編集モード"), [this] { NModeClick(); });
    item(PopupMenu1, "N3", QStringLiteral("背景カラー"), [this] {
        if (const auto colour = dialogs::color(this, ui->RichEdit1->palette().color(QPalette::Base)))
            setColour(QPalette::Base, *colour);
    });
    QMenu* fontMenu = PopupMenu1->addMenu(QStringLiteral("フォント設定"));
    fontMenu->menuAction()->setObjectName(QStringLiteral("NFont"));
    fontMenu->setAccessibleName(QStringLiteral("フォント設定"));
    item(fontMenu, "N4", QStringLiteral("カラー"), [this] {
        if (const auto colour = dialogs::color(this, ui->RichEdit1->palette().color(QPalette::Text)))
            setColour(QPalette::Text, *colour);
    });
    item(fontMenu, "N16", QStringLiteral("スタイル"), [this] {
        if (const auto font = dialogs::font(this, ui->RichEdit1->font()))
            ui->RichEdit1->setFont(*font);
    });
    PopupMenu1->addSeparator();
    item(PopupMenu1, "MSWord1", QStringLiteral("ファイル保存"),
        [this] { forms_.Output->saveText(this, *ui->RichEdit1); });
    item(PopupMenu1, "N6", QStringLiteral("プリンタ設定"), [this] { forms_.Output->printerSetup(this); });
    NPrintOut = item(PopupMenu1, "NPrintOut", QStringLiteral("印刷 - A4横 -"), [this] {
        NPrintOut->setEnabled(false);
        Q_EMIT printRequested();
        NPrintOut->setEnabled(true);
    });
    PopupMenu1->addSeparator();
    item(PopupMenu1, "N2", QStringLiteral("終了"), [this] { close(); })->setShortcut(Qt::Key_F9);

    attachPopupMenu(ui->RichEdit1, PopupMenu1);
}

void TFormEditor::setColour(QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = ui->RichEdit1->palette();
    palette.setColor(role, colour);
    ui->RichEdit1->setPalette(palette);
}

void TFormEditor::takeOverPanel(const RichEdit* panel)
{
    if (!panel || panel->isEmptyText())
        return;
    const bool centred = panel->objectName() != QLatin1String("RichEdit4");
    setAlignment(*ui->RichEdit1, centred ? Qt::AlignHCenter : Qt::AlignLeft);
    ui->RichEdit1->setPlainText(panel->lines().join(QLatin1Char('\n')));
}

void TFormEditor::NModeClick()
{
    setWindowTitle(QStringLiteral("ZEL Simple Editor for View Limited ．．．EDIT MODE"));
    ui->RichEdit1->setReadOnly(false);
    NMode->setEnabled(false);
}

void TFormEditor::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return; // minimising is not hiding
    setWindowTitle(kLimitedCaption);
    ui->RichEdit1->setReadOnly(true);
    ui->RichEdit1->clear();
    NMode->setEnabled(true);
}

void TFormEditor::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    hide();
    Q_EMIT closed();
}
