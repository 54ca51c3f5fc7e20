#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// Every message box of the program goes through this service. On screen it shows a
// modal box; a test installs a Script instead, which records each message and answers
// from a queue, so handlers run unchanged without a person at the screen.
namespace dialogs {

enum class Kind { Plain, Information, Warning, Error, Custom };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Shows a modal message; "\r\n" in text is a line break. Returns the button pressed
// (Escape or the close box answer No in a Yes/No box).
Answer message(Kind kind, const QString& text, Buttons buttons = Buttons::Ok, QWidget* parent = nullptr);

// Before the program writes a file at path: when a file of that name exists, asks whether
// to replace it. True when nothing would be replaced (no path, no such file, or a folder,
// which the write itself then fails on) or the user answered Yes.
bool confirmReplace(const QString& path, QWidget* parent);
// The same for several files at once: one question that names every file that would be replaced.
bool confirmReplace(const QStringList& paths, QWidget* parent);

// A confirmed save dialog: the file name as typed and the chosen file type, counted from 1.
struct SaveChoice {
    QString fileName;
    int typeIndex = 1;
};

// The modal standard dialogs. Each returns nothing when the user cancels.
// The save dialog opens in folder (the current folder when empty) with file type typeIndex, and
// offers fileName when one is given.
std::optional<SaveChoice> saveFile(QWidget* parent, const QString& title, const QStringList& filters,
    const QString& folder = {}, int typeIndex = 1, const QString& fileName = {});
// The folder dialog: an existing folder, opening in folder (the current folder when empty).
std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& folder = {});
// The open dialog: an existing file of one of the filters, opening in folder (the current folder
// when empty).
std::optional<QString> openFile(
    QWidget* parent, const QString& title, const QStringList& filters, const QString& folder = {});
std::optional<QColor> color(QWidget* parent, const QColor& initial);
std::optional<QFont> font(QWidget* parent, const QFont& initial);
// The platform's printer setup for printer; true when the user confirmed it.
bool printerSetup(QWidget* parent, QPrinter& printer);

struct Shown {
    Kind kind;
    QString text;
    Buttons buttons;
};

// Scripted answers for tests. While a Script lives, no box or dialog is shown: each message is
// appended to shown and answered by the next queued answer (Ok, or No for Yes/No, when
// the queue is empty). An optional hook runs when a message is shown. The standard dialogs
// take their answers from their own queues (an empty queue cancels) and are counted in
// dialogsShown by kind ("save", "folder", "open", "color", "font", "printer").
class Script {
public:
    Script();
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    void answer(Answer a) { answers_.append(a); }
    // Queued answers of the standard dialogs; std::nullopt cancels.
    void answerSave(std::optional<SaveChoice> choice) { saves_.append(std::move(choice)); }
    void answerFolder(std::optional<QString> folder) { folders_.append(std::move(folder)); }
    void answerOpen(std::optional<QString> file) { opens_.append(std::move(file)); }
    void answerColor(std::optional<QColor> c) { colors_.append(std::move(c)); }
    void answerFont(std::optional<QFont> f) { fonts_.append(std::move(f)); }
    // A confirmed printer setup prints into a PDF file at pdfPath; std::nullopt cancels.
    void answerPrinter(std::optional<QString> pdfPath) { printers_.append(std::move(pdfPath)); }
    void onMessage(std::function<void(const Shown&)> hook) { hook_ = std::move(hook); }

    QList<Shown> shown;
    QStringList dialogsShown;
    // Title, filters, folder and file type of the last save dialog; title and folder also of the
    // last folder dialog, title, filters and folder of the last open dialog.
    QString saveTitle;
    QStringList saveFilters;
    QString saveFolder;
    int saveType = 0;
    QString saveName; // the file name the last save dialog offered
    QStringList texts() const;

private:
    friend Answer message(Kind, const QString&, Buttons, QWidget*);
    friend std::optional<SaveChoice> saveFile(
        QWidget*, const QString&, const QStringList&, const QString&, int, const QString&);
    friend std::optional<QString> chooseFolder(QWidget*, const QString&, const QString&);
    friend std::optional<QString> openFile(QWidget*, const QString&, const QStringList&, const QString&);
    friend std::optional<QColor> color(QWidget*, const QColor&);
    friend std::optional<QFont> font(QWidget*, const QFont&);
    friend bool printerSetup(QWidget*, QPrinter&);
    QList<Answer> answers_;
    QList<std::optional<SaveChoice>> saves_;
    QList<std::optional<QString>> folders_;
    QList<std::optional<QString>> opens_;
    QList<std::optional<QColor>> colors_;
    QList<std::optional<QFont>> fonts_;
    QList<std::optional<QString>> printers_;
    std::function<void(const Shown&)> hook_;
};

// Shows the exception being handled in an error box; called from a catch block. A number
// conversion error shows its own text, anything else a notice of an unexpected error.
void showCurrentException();

// Runs a handler; an exception it raises is shown in an error box and the rest of the
// handler is skipped, so the event loop goes on.
void guard(const std::function<void()>& handler);

} // namespace dialogs
