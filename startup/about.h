// The about box (unit about): product name, version, credits and the support
// address, shown without blocking the main window.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox final : public QDialog
{
    Q_OBJECT

public:
    // `owner` is the main window; the box stays in front of it. Created once
    // and shown again on every "About".
    explicit TAboutBox(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void OKButtonClick();

    QLabel *Label2;
    QPushButton *OKButton;
};
