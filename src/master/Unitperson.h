#pragma once

#include <QWidget>

class Forms;

class TFormPerson : public QWidget {
    Q_OBJECT
public:
    explicit TFormPerson(Forms& forms);
};
