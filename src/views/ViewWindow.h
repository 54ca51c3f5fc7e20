#pragma once

#include <QList>
#include <QMainWindow>
#include <QStringList>

struct Forms;
class Gauge;
class QAction;
class QMenu;
class QProgressBar;
class RichEdit;
class Timer;

// What the schedule window and the hour chart share: a read-only text of lines built in
// three phases (opening, computation one second later, then one line per employee), its
// popup menu, the commands that select, copy, save and print the text, and closing back to
// the main window. Each window supplies the lines of its phases and its print report; the
// lines themselves are computed by the view functions, not here. It tells the main window
// through its signals when the text is complete and when it was closed.
class ViewWindow : public QMainWindow {
    Q_OBJECT
public:
    ~ViewWindow() override;

    // True once the text is complete and the commands are enabled.
    bool isReady() const;
    // True once this window's print report has been created; it is created at most once a run.
    bool reportCreated() const { return reportCreated_; }

    // Interval of the row phase: every line of 30 employees within about a second.
    static constexpr int kRowIntervalMs = 25;

Q_SIGNALS:
    // The text is complete and the commands are enabled.
    void completed();
    // The window was closed; the main window shows again.
    void closed();

protected:
    // The controls of the window's layout that the phases and commands drive.
    struct Controls {
        RichEdit* text;
        Gauge* gauge;
        QWidget* progressPanel;
        QProgressBar* progress;
        QWidget* focusPanel;
        QMenu* action;
        QAction* printerSetup;
        QAction* print;
        QAction* close;
        QAction* usage;
        // Items of the action menu that also stand in the popup menu after the save item and
        // wait for the text like the other commands; the window connects what they do.
        QList<QAction*> exportItems = {};
    };

    ViewWindow(Forms& forms, QString usage);
    // Connects the commands; called once the layout is set up.
    void attach(const Controls& controls);

    struct Opening {
        QStringList lines;
        bool stopped = false;
    };
    // Appends lines to the text.
    void addLines(const QStringList& lines);
    // Starts the row phase for the employees of the work table rows 0 to employees − 1.
    void startRows(int employees);
    // Ends the view after the computation found bad data: only closing leads on.
    void stopView();

    Forms& forms_;
    Controls c_ {};
    bool reportCreated_ = false;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Blanks the tables the view fills and returns the opening lines.
    virtual Opening openingLines() = 0;
    // The computation phase: adds its lines and either starts the rows or stops the view.
    virtual void computation() = 0;
    virtual QString rowLine(int row) const = 0;
    virtual QStringList closingLines() const = 0;
    // Creates this window's print report (once a run) and prints it; the printer is chosen.
    virtual void printReport() = 0;

    void FormShow();
    void Timer1Timer();
    void Timer2Timer();
    void finish();
    void printClick();
    QList<QAction*> commandItems() const;

    QString usage_;
    QMenu* PopupMenu1 = nullptr;
    QAction* NAllSelect = nullptr;
    QAction* NAllCopy = nullptr;
    QAction* NSave = nullptr;
    QAction* NPrintSet = nullptr;
    QAction* NPrintOut = nullptr;
    Timer* Timer1 = nullptr;
    Timer* Timer2 = nullptr;
    int remainingRows_ = 0;
    int totalRows_ = 0;
    int currentRow_ = 0;
};
