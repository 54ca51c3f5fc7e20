#include "labour/LabourFile.h"

#include "platform/TextCodec.h"

namespace labourfile {
namespace {

using labour::Key;
using labour::KeyForm;

const QString kForm = QStringLiteral("「設定名,値,」の形ではありません");
const QString kUnknownKey = QStringLiteral("設定名が不明です");
const QString kSecondLine = QStringLiteral("同じ設定の2行目です");

// Why a value is not taken: the values the key takes.
QString badValue(const KeyForm& form)
{
    return QStringLiteral("値が不正です（%1）").arg(labour::valuesTaken(form.key));
}

const KeyForm* formNamed(QStringView name)
{
    for (const KeyForm& form : labour::keyForms())
        if (form.name == name)
            return &form;
    return nullptr;
}

} // namespace

ReadResult read(const QByteArray& bytes)
{
    ReadResult out;
    // Decoded at once: a line feed byte is never part of a two-byte character.
    const QString text = cp932::decode(bytes);
    QList<QStringView> lines = QStringView(text).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    for (int i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const auto reject = [&out, i](const QString& reason) { out.rejected.append({ i + 1, reason }); };
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0 || line.indexOf(u',', comma + 1) != line.size() - 1) {
            reject(kForm);
            continue;
        }
        const KeyForm* form = formNamed(line.first(comma));
        if (!form) {
            reject(kUnknownKey);
            continue;
        }
        const auto value = labour::valueOf(form->key, line.sliced(comma + 1).chopped(1).toString());
        if (!value)
            reject(badValue(*form));
        else if (out.settings.given().contains(form->key))
            reject(kSecondLine);
        else
            out.settings.set(form->key, *value);
    }
    return out;
}

QByteArray serialize(const labour::Settings& settings)
{
    QString text;
    for (const Key key : settings.given())
        text += labour::formOf(key).name + u',' + labour::valueText(key, settings.value(key)) + QStringLiteral(",\r\n");
    return cp932::encode(text);
}

QString rejectedLinesMessage(const QList<RejectedLine>& rejected)
{
    return QStringLiteral("▼ 労務設定ファイル zelrotandata5.zel の次の行は読み込めませんでした．\r\n\r\n%1\r\n▽ "
                          "これらの行を除いて続行します．元のファイルは，終了時に "
                          "zelrotandata5.zel.bak として保存されます．")
        .arg(rejectedLinesList(rejected));
}

QString openFailureMessage(const FileError& error)
{
    return QStringLiteral("▼ 労務設定ファイル zelrotandata5.zel を読み込めませんでした．\r\n\r\n%1\r\n\r\n▽ "
                          "既定の労務設定で続行します．このファイルは変更しないため，労務設定の登録はできません．")
        .arg(error.systemError);
}

} // namespace labourfile
