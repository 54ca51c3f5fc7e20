#pragma once

#include <QStringList>
#include <QTextEdit>

// A read-only text panel that shows a list of lines, appended in order. Lines are plain
// text (never interpreted as markup) and can be read back exactly as appended.
class RichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit RichEdit(QWidget* parent = nullptr);

    void appendLine(const QString& line);
    void prependLine(const QString& line);
    void clearLines();
    QStringList lines() const;
    bool isEmptyText() const { return lineCount_ == 0; }

private:
    int lineCount_ = 0;
};
