#pragma once

#include <QDialog>

// The title window, opened from "バージョン".
class TFormTitle : public QDialog {
    Q_OBJECT
public:
    explicit TFormTitle(QWidget* parent = nullptr);
};
