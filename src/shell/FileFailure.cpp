#include "shell/FileFailure.h"

#include "data/DataFiles.h"
#include "platform/Dialogs.h"
#include "platform/FatalExit.h"

#include <QApplication>

void fileFailure(const FileError& error)
{
    const QString system = error.fileName + QStringLiteral(": ") + error.systemError;
    switch (error.kind) {
    case FileError::Kind::Create:
        fatalExit(dialogs::Kind::Plain, QStringLiteral("ZEL Rotan File, It's gone！・・・異常終了！"), system);
    case FileError::Kind::Open:
        fatalExit(dialogs::Kind::Plain, QStringLiteral("ZEL Rotan Series File OPEN 失敗・・・"), system);
    case FileError::Kind::Write:
        break;
    }
    fatalExit(dialogs::Kind::Error,
        QStringLiteral("環境設定時エラー\n\n連絡先：カルヴェラソフトウェア・ディベロプメント"), system);
}

void journalFailure(const FileError& error)
{
    dialogs::message(dialogs::Kind::Warning,
        QStringLiteral(
            "▼ 入力内容の控え（復旧用ファイル）を保存できませんでした．\r\n\r\n"
            "□ %1（%2）\r\n\r\n"
            "□ このまま作業を続けられます．入力内容は，終了時にいつもどおりデータファイルへ保存されます．\r\n\r\n"
            "□ ただし，終了前にプログラムやパソコンが止まった場合は，前回終了後の入力内容が失われます．\r\n")
            .arg(error.fileName, error.systemError),
        dialogs::Buttons::Ok, QApplication::activeWindow());
}
