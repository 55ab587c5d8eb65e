// The splash screen (unit StartUpScreen): title artwork with the version,
// dismissed by a key press or a click on the picture.
#pragma once

#include <QWidget>

class QLabel;

class TStartUp final : public QWidget
{
    Q_OBJECT

public:
    // `owner` is the main window: the splash stays in front of it and has no
    // task bar entry of its own. The splash is shown at once.
    explicit TStartUp(QWidget *owner);

    // Asks the splash screen to close; the main window's key handler calls it
    // too. Every request runs FormClose, also when the splash is already
    // hidden, so each one leads to the basic-information dialog again.
    void requestClose();

Q_SIGNALS:
    // The splash screen closed (or was asked to close while hidden); the
    // basic-information dialog is to be shown.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormKeyPress();
    void Image1Click();
    void FormClose();

    QLabel *Image1;
    QLabel *Label2;
    QLabel *LblVersion;
};
