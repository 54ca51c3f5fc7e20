#include "platform/RichEdit.h"

#include <QTextBlock>
#include <QTextCursor>

RichEdit::RichEdit(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
}

void RichEdit::appendLine(const QString& line)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (lineCount_ > 0)
        cursor.insertBlock();
    cursor.insertText(line);
    ++lineCount_;
    ensureCursorVisible();
    moveCursor(QTextCursor::End);
}

void RichEdit::prependLine(const QString& line)
{
    QTextCursor cursor(document());
    if (lineCount_ > 0) {
        cursor.insertBlock();
        cursor.movePosition(QTextCursor::Start);
    }
    cursor.insertText(line);
    ++lineCount_;
}

void RichEdit::clearLines()
{
    clear();
    lineCount_ = 0;
}

QStringList RichEdit::lines() const
{
    QStringList out;
    if (lineCount_ == 0)
        return out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}
