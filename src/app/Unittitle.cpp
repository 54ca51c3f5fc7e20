#include "app/Unittitle.h"

TFormTitle::TFormTitle(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ZEL Rotan QX-30"));
}
