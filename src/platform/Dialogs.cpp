#include "platform/Dialogs.h"

#include "platform/Numbers.h"

#include <QApplication>
#include <QMessageBox>
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

void guard(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const numbers::ConversionError& e) {
        message(Kind::Error, e.message());
    }
}

} // namespace dialogs
