#include "changes/PublishedFile.h"

#include "platform/Numbers.h"
#include "platform/TextCodec.h"

namespace publishedfile {
namespace {

const QString kKey = QStringLiteral("確定日");
const QString kForm = QStringLiteral("「確定日,年,月,日,」の形ではありません");
const QString kBadDate = QStringLiteral("日付が不正です（1900年～2099年の暦日）");
const QString kSecondLine = QStringLiteral("確定日の2行目です");

} // namespace

ReadResult read(const QByteArray& bytes)
{
    ReadResult out;
    const QString text = cp932::decode(bytes);
    QList<QStringView> lines = QStringView(text).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    for (int i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const auto reject = [&out, i](const QString& reason) { out.rejected.append({ i + 1, reason }); };
        const QList<QStringView> fields = line.split(u',');
        if (fields.size() != 5 || fields[0] != kKey || !fields[4].isEmpty()) {
            reject(kForm);
            continue;
        }
        const auto year = numbers::parseInt(fields[1].toString());
        const auto month = numbers::parseInt(fields[2].toString());
        const auto day = numbers::parseInt(fields[3].toString());
        const QDate date = year && month && day ? QDate(*year, *month, *day) : QDate();
        if (!date.isValid() || date.year() < 1900 || date.year() > 2099)
            reject(kBadDate);
        else if (out.until.isValid())
            reject(kSecondLine);
        else
            out.until = date;
    }
    return out;
}

QByteArray serialize(QDate until)
{
    if (!until.isValid())
        return {};
    return cp932::encode(kKey + QStringLiteral(",%1,%2,%3,\r\n").arg(until.year()).arg(until.month()).arg(until.day()));
}

QString rejectedLinesMessage(const QList<RejectedLine>& rejected)
{
    return QStringLiteral("▼ 確定日のファイル zelrotandata9.zel の次の行は読み込めませんでした．\r\n\r\n%1\r\n▽ "
                          "これらの行を除いて続行します．元のファイルは，終了時に "
                          "zelrotandata9.zel.bak として保存されます．")
        .arg(rejectedLinesList(rejected));
}

QString openFailureMessage(const FileError& error)
{
    return QStringLiteral("▼ 確定日のファイル zelrotandata9.zel を読み込めませんでした．\r\n\r\n%1\r\n\r\n▽ "
                          "確定日なしで続行します．このファイルは変更しないため，確定日の設定はできません．")
        .arg(error.systemError);
}

} // namespace publishedfile
