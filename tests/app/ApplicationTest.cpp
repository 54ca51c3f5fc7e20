#include "app/Application.h"
#include "platform/RichEdit.h"
#include "support/TestSupport.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(Application, AnExceptionFromAHandlerIsShownAndTheLoopGoesOn)
{
    dialogs::Script script;
    QObject context;
    bool later = false;
    QTimer::singleShot(0, &context, [] { throw std::runtime_error("disk on fire"); });
    QTimer::singleShot(0, &context, [] { throw 42; });
    QTimer::singleShot(0, &context, [&later] { later = true; });
    ASSERT_TRUE(waitFor([&] { return later; }));
    EXPECT_EQ(script.texts(),
        QStringList({ QStringLiteral("▼ 予期しないエラーが発生しました．処理を中断しました．\r\n\r\n▽ disk on fire"),
            QStringLiteral("▼ 予期しないエラーが発生しました．処理を中断しました．\r\n\r\n▽ 不明なエラー") }));
    EXPECT_EQ(script.shown[0].kind, dialogs::Kind::Error);
}

TEST(Application, QtsOwnTextsAreJapanese)
{
    ASSERT_TRUE(static_cast<Application*>(qApp)->qtTranslated());
    RichEdit panel;
    std::unique_ptr<QMenu> menu(panel.createStandardContextMenu());
    QStringList items;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            items << a->text();
    EXPECT_TRUE(items.join(u' ').contains(QStringLiteral("コピー"))) << items.join(u' ').toStdString();
    EXPECT_FALSE(items.join(u' ').contains(QStringLiteral("Copy")));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
}
