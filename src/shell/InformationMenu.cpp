#include "shell/InformationMenu.h"

#include "platform/Dialogs.h"

#include <QAction>
#include <QWidget>

namespace {

void information(QWidget* window, const QString& text)
{
    dialogs::message(dialogs::Kind::Information, text, dialogs::Buttons::Ok, window);
}

} // namespace

// The maker and its addresses are fictional.
void connectInformationMenu(QWidget* window, const InformationItems& items)
{
    const auto fixed = [window](QAction* item, dialogs::Kind kind, const QString& text) {
        QObject::connect(item, &QAction::triggered, window, [window, item, kind, text] {
            item->setChecked(true);
            dialogs::message(kind, text, dialogs::Buttons::Ok, window);
        });
    };
    fixed(items.maker, dialogs::Kind::Information,
        QStringLiteral("【開発元】\r\n\r\n■ カルヴェラソフトウェア・ディベロプメント\r\n\r\n□ "
                       "〒000-0000　見本県見本市架空町１－２－３\r\n\r\n□ E-mail：info@karvela.example"));
    fixed(items.provider, dialogs::Kind::Information,
        QStringLiteral("【提供元】\r\n\r\n■ カルヴェラソフトウェア・ディベロプメント　頒布係\r\n\r\n□ "
                       "〒000-0000　見本県見本市架空町１－２－３\r\n\r\n□ E-mail：support@karvela.example"));
    QObject::connect(items.copyright, &QAction::triggered, window, [window, item = items.copyright] {
        item->setChecked(true);
        information(window, QStringLiteral("【著作権者】\r\n\r\n■ カルヴェラソフトウェア・ディベロプメント"));
        information(window, QStringLiteral("【開発者】\r\n\r\n■ ロータン開発グループ"));
    });
    fixed(items.terms, dialogs::Kind::Warning,
        QStringLiteral(
            "【利用規約】\r\n\r\n■ 本ソフトウェアは，勤務スケジュール作成の目安としてご利用ください．\r\n\r\n■ "
            "本ソフトウェアの利用により生じたいかなる損害についても，開発元及び提供元は一切の責任を負いません．\r\n\r\n"
            "■ 本ソフトウェアの無断での改変・再配布を禁じます．\r\n\r\n■ "
            "従業員の個人情報は，利用者の責任において適切に管理してください．"));
    fixed(items.titleInfo, dialogs::Kind::Information,
        QStringLiteral("【タイトル説明】\r\n\r\n■ 勤務スケジュール作成支援ソフトウェア\r\n\r\n□ "
                       "曜日を基準に勤務スケジュールを作成．\r\n\r\n□ ２４時間勤務に対応．\r\n\r\n□ "
                       "時給計算機能有り．ただし，算出方法等は，ZEL Rotanの仕様に準ず．\r\n\r\n□ "
                       "部下の勤務スケジュールを管理する立場の者が利用されても良いし，各従業員自身が利用されるのにも適"
                       "\r\n　　する．\r\n\r\n□ パート，アルバイト勤務者自身の利用に最適．お友達の分も作成！\r\n\r\n□ "
                       "店長さんの活用にも最適．\r\n\r\n□ 看護婦さんの勤務にも最適．"));
    fixed(items.environment, dialogs::Kind::Information,
        QStringLiteral("【動作環境】\r\n\r\n■ WindowsNT/2000/XP （推奨）\r\n\r\n■ Windows98x/Me （透過不可）\r\n\r\n□ "
                       "解像度．．．1024×768"));
    QObject::connect(items.support, &QAction::triggered, window, [window] {
        information(window,
            QStringLiteral("【サポート】\r\n\r\n■ カルヴェラソフトウェア・ディベロプメント　サポート窓口\r\n\r\n□ "
                           "郵送：〒000-0000　見本県見本市架空町１－２－３\r\n\r\n□ E-mail：support@karvela.example"));
    });
    QObject::connect(items.help, &QAction::triggered, window, [window] {
        information(window,
            QStringLiteral(
                "【利用方法】\r\n\r\n① 従業員マスタ登録を，最低１件行う．\r\n\r\n② "
                "勤務期間を設定する．本日から最高４０日間の期間で自動作成されます．\r\n\r\n③ "
                "各種機能を利用する．\r\n\r\n\r\n※ 勤務期間は，いつ何時でも設定可能．\r\n※ 時給計算等の算出方法は，ZEL "
                "Rotanの仕様によるものです．\r\n　　該当しない場合は，目安としてご利用ください．"));
    });
}
