#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

// The about box: a borderless picture window centred on the screen. Its constructor shows
// it modally and returns only after it has closed itself 3 seconds later, so whatever the
// caller creates next waits behind it. It holds no state of the program.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};
