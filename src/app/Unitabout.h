#pragma once

#include <QDialog>

// The about box: a borderless picture window centred on the screen that shows itself
// modally for 3 seconds while it is created.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
