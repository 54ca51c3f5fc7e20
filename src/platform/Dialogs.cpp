#include "platform/Dialogs.h"

#include "platform/Numbers.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace dialogs {
namespace {
Script* g_script = nullptr;

QString titleOf(Kind kind)
{
    switch (kind) {
    case Kind::Information:
        return QStringLiteral("情報");
    case Kind::Warning:
        return QStringLiteral("警告");
    case Kind::Error:
        return QStringLiteral("エラー");
    case Kind::Plain:
    case Kind::Custom:
        break;
    }
    return QApplication::applicationDisplayName();
}

QMessageBox::Icon iconOf(Kind kind)
{
    switch (kind) {
    case Kind::Information:
        return QMessageBox::Information;
    case Kind::Warning:
        return QMessageBox::Warning;
    case Kind::Error:
        return QMessageBox::Critical;
    case Kind::Plain:
    case Kind::Custom:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Script::Script()
{
    g_script = this;
}

Script::~Script()
{
    g_script = nullptr;
}

QStringList Script::texts() const
{
    QStringList out;
    for (const auto& s : shown)
        out << s.text;
    return out;
}

Answer message(Kind kind, const QString& text, Buttons buttons, QWidget* parent)
{
    if (g_script) {
        Shown shown { kind, text, buttons };
        g_script->shown.append(shown);
        if (g_script->hook_)
            g_script->hook_(shown);
        if (!g_script->answers_.isEmpty())
            return g_script->answers_.takeFirst();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    QMessageBox box(iconOf(kind), titleOf(kind), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        QMessageBox::NoButton, parent);
    if (buttons == Buttons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

bool confirmReplace(const QString& path, QWidget* parent)
{
    return confirmReplace(QStringList { path }, parent);
}

bool confirmReplace(const QStringList& paths, QWidget* parent)
{
    QStringList replaced;
    for (const QString& path : paths) {
        const QFileInfo target(path);
        if (target.exists() && !target.isDir())
            replaced << QStringLiteral("■ ") + target.fileName();
    }
    if (replaced.isEmpty())
        return true;
    return message(Kind::Warning,
               replaced.join(QStringLiteral("\r\n"))
                   + QStringLiteral("\r\n\r\n▽ 同名のファイルが既に存在します．\r\n\r\n□ 上書きしてよろしいですか？"),
               Buttons::YesNo, parent)
        == Answer::Yes;
}

namespace {
// The next scripted answer of a dialog's queue; an empty queue cancels.
template <typename T> std::optional<T> next(QList<std::optional<T>>& queue)
{
    return queue.isEmpty() ? std::nullopt : queue.takeFirst();
}
} // namespace

std::optional<SaveChoice> saveFile(QWidget* parent, const QString& title, const QStringList& filters,
    const QString& folder, int typeIndex, const QString& fileName)
{
    if (g_script) {
        g_script->dialogsShown << QStringLiteral("save");
        g_script->saveTitle = title;
        g_script->saveFilters = filters;
        g_script->saveFolder = folder;
        g_script->saveType = typeIndex;
        g_script->saveName = fileName;
        return next(g_script->saves_);
    }
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (typeIndex >= 1 && typeIndex <= filters.size())
        dialog.selectNameFilter(filters[typeIndex - 1]);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    // The caller appends the extension and asks before replacing the file it really writes.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice { dialog.selectedFiles().constFirst(),
        static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1 };
}

std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& folder)
{
    if (g_script) {
        g_script->dialogsShown << QStringLiteral("folder");
        g_script->saveTitle = title;
        g_script->saveFolder = folder;
        return next(g_script->folders_);
    }
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> openFile(
    QWidget* parent, const QString& title, const QStringList& filters, const QString& folder)
{
    if (g_script) {
        g_script->dialogsShown << QStringLiteral("open");
        g_script->saveTitle = title;
        g_script->saveFilters = filters;
        g_script->saveFolder = folder;
        return next(g_script->opens_);
    }
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> color(QWidget* parent, const QColor& initial)
{
    if (g_script) {
        g_script->dialogsShown << QStringLiteral("color");
        return next(g_script->colors_);
    }
    const QColor chosen = QColorDialog::getColor(initial, parent);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

std::optional<QFont> font(QWidget* parent, const QFont& initial)
{
    if (g_script) {
        g_script->dialogsShown << QStringLiteral("font");
        return next(g_script->fonts_);
    }
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional<QFont>(chosen) : std::nullopt;
}

bool printerSetup(QWidget* parent, QPrinter& printer)
{
    if (g_script) {
        g_script->dialogsShown << QStringLiteral("printer");
        const std::optional<QString> pdf = next(g_script->printers_);
        if (!pdf)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*pdf);
        return true;
    }
    // The setup only chooses where reports go, yet Qt's dialog confirms with "印刷" (Print): its
    // public interface has no setting for that label, and its inner widgets are not ours to edit.
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void showCurrentException()
{
    const QString unexpected = QStringLiteral("▼ 予期しないエラーが発生しました．処理を中断しました．\r\n\r\n▽ ");
    try {
        throw;
    } catch (const numbers::ConversionError& e) {
        message(Kind::Error, e.message());
    } catch (const std::exception& e) {
        message(Kind::Error, unexpected + QString::fromLocal8Bit(e.what()));
    } catch (...) {
        message(Kind::Error, unexpected + QStringLiteral("不明なエラー"));
    }
}

void guard(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        showCurrentException();
    }
}

} // namespace dialogs
