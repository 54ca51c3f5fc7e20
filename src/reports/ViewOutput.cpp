#include "reports/ViewOutput.h"

#include "exports/Csv.h"
#include "exports/FileNames.h"
#include "exports/ICalendar.h"
#include "exports/PeriodSchedule.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/RtfWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimeZone>

namespace {

const QString kSaveFailed = QStringLiteral("▼ ファイルの保存に失敗しました．");
const QString kNoPrinter = QStringLiteral("▼ プリンタ未設定．\r\n\r\n▽ プリンタを有効 （動作可能状態） "
                                          "にしてください．．．\r\n\r\n- Karvela Software Development -");

rtf::Rgb rgbOf(const QColor& c)
{
    return { c.red(), c.green(), c.blue() };
}

QStringList linesOf(const QTextEdit& view)
{
    QStringList lines;
    const QTextDocument* doc = view.document();
    if (doc->isEmpty())
        return lines;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines;
}

rtf::Style styleOf(const QTextEdit& view)
{
    const QFont font = view.font();
    rtf::Style style;
    style.fontFamily = font.family();
    style.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    style.bold = font.bold();
    style.italic = font.italic();
    style.underline = font.underline();
    style.centered = view.document()->defaultTextOption().alignment() & Qt::AlignHCenter;
    style.text = rgbOf(view.palette().color(QPalette::Text));
    const QColor base = view.palette().color(QPalette::Base);
    if (base != Qt::white)
        style.background = rgbOf(base);
    return style;
}

// Writes the file whole or not at all; the reason when it failed.
std::optional<QString> writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered, so a short write (disk full) shows here instead of passing at commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

// Tells that the file was not saved, with its name and the reason.
void tellFailure(const QString& path, const QString& reason, QWidget* parent)
{
    dialogs::message(dialogs::Kind::Error,
        kSaveFailed + QStringLiteral("\r\n\r\n■ ") + QFileInfo(path).fileName() + QStringLiteral("\r\n▽ ") + reason,
        dialogs::Buttons::Ok, parent);
}

// Writes the file; a failure is told with the file's name and the reason.
bool writeOrTell(const QString& path, const QByteArray& bytes, QWidget* parent)
{
    const std::optional<QString> failure = writeAtomically(path, bytes);
    if (failure)
        tellFailure(path, *failure, parent);
    return !failure;
}

// The name with the type's extension, unless it already ends with it (in any case).
QString withExtension(const QString& name, const QString& extension)
{
    return name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
}

} // namespace

ViewOutput::ViewOutput()
    : printer_(QPrinter::HighResolution)
{
    printer_.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
}

void ViewOutput::saveText(QWidget* parent, const QTextEdit& view)
{
    save(parent, QStringLiteral("ZEL Rotan File Save"),
        { { QStringLiteral("リッチ テキスト形式 (*.rtf)"), QStringLiteral(".RTF") },
            { QStringLiteral("MS-Word ファイル (*.doc)"), QStringLiteral(".DOC") } },
        saveType_, {}, [&view](int, QString&) { return rtf::document(linesOf(view), styleOf(view)); });
}

void ViewOutput::saveExport(QWidget* parent, const exports::PeriodSchedule& period)
{
    save(parent, QStringLiteral("勤務スケジュールのエクスポート"),
        { { QStringLiteral("CSV (*.csv)"), QStringLiteral(".csv") },
            { QStringLiteral("iCalendar (*.ics)"), QStringLiteral(".ics") } },
        exportType_, {}, [&period](int type, QString&) {
            return type == 1 ? exports::csv(period)
                             : exports::icalendar(period, QTimeZone::systemTimeZone(), clock_::now());
        });
}

void ViewOutput::saveExportPerEmployee(QWidget* parent, const exports::PeriodSchedule& period)
{
    const std::optional<QString> folder
        = dialogs::chooseFolder(parent, QStringLiteral("個人別に書き出すフォルダの選択"), saveFolder_);
    if (!folder)
        return;
    saveFolder_ = *folder;
    QStringList names;
    for (const exports::EmployeeDays& employee : period.employees)
        names << employee.name;
    QStringList paths;
    for (const QString& name : exports::distinctFileNames(names, QStringLiteral(".ics")))
        paths << QDir(*folder).filePath(name);
    if (!dialogs::confirmReplace(paths, parent))
        return;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime stamp = clock_::now();
    for (int e = 0; e < paths.size(); ++e) {
        if (!writeOrTell(paths[e], exports::icalendar(period, zone, stamp, e), parent))
            return;
    }
}

void ViewOutput::saveWorkbook(
    QWidget* parent, const QString& fileName, const std::function<QByteArray(QString& failure)>& make)
{
    int type = 1;
    save(parent, QStringLiteral("Excel に書き出す"),
        { { QStringLiteral("Excel ブック (*.xlsx)"), QStringLiteral(".xlsx") } }, type, fileName,
        [&make](int, QString& failure) { return make(failure); });
}

void ViewOutput::save(QWidget* parent, const QString& title, const QList<FileType>& types, int& lastType,
    const QString& fileName, const std::function<QByteArray(int type, QString& failure)>& bytesOf)
{
    QStringList filters;
    for (const FileType& type : types)
        filters << type.filter;
    const std::optional<dialogs::SaveChoice> choice
        = dialogs::saveFile(parent, title, filters, saveFolder_, lastType, fileName);
    if (!choice)
        return;
    // The dialogs of the run share their folder: the next save starts where this one ended.
    saveFolder_ = QFileInfo(choice->fileName).absolutePath();
    lastType = choice->typeIndex;
    if (choice->typeIndex < 1 || choice->typeIndex > types.size()) {
        dialogs::message(dialogs::Kind::Error, kSaveFailed, dialogs::Buttons::Ok, parent);
        return;
    }
    const QString path = withExtension(choice->fileName, types[choice->typeIndex - 1].extension);
    // The dialog does not ask before replacing: the name it confirms may lack the extension.
    if (!dialogs::confirmReplace(path, parent))
        return;
    QString failure;
    const QByteArray bytes = bytesOf(choice->typeIndex, failure);
    if (!failure.isEmpty())
        tellFailure(path, failure, parent);
    else
        writeOrTell(path, bytes, parent);
}

void ViewOutput::printerSetup(QWidget* parent)
{
    if (dialogs::printerSetup(parent, printer_))
        printerChosen_ = true;
    else if (!printerChosen_)
        dialogs::message(dialogs::Kind::Error, kNoPrinter, dialogs::Buttons::Ok, parent);
}

bool ViewOutput::checkPrinter(QWidget* parent) const
{
    if (!printerChosen_)
        dialogs::message(dialogs::Kind::Error, kNoPrinter, dialogs::Buttons::Ok, parent);
    return printerChosen_;
}
