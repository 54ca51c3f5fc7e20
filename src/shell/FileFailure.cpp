#include "shell/FileFailure.h"

#include "data/DataFiles.h"
#include "platform/Dialogs.h"
#include "platform/FatalExit.h"

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
