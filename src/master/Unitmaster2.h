#pragma once

#include <QWidget>

class Forms;

class TFormMaster2 : public QWidget {
    Q_OBJECT
public:
    explicit TFormMaster2(Forms& forms);
};
