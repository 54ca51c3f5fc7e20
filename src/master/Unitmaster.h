#pragma once

#include <QWidget>

class Forms;

class TFormMaster : public QWidget {
    Q_OBJECT
public:
    explicit TFormMaster(Forms& forms);
};
