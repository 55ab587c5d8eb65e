// The basic-information dialog (unit EditConfig): name, details, year and
// contact lines of a new scorecard, then "Continue >" to set it up.
#pragma once

#include <QWidget>

class Prompter;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ScorecardDocument;

class TEditConfiguration final : public QWidget
{
    Q_OBJECT

public:
    // `owner` is the main window: the dialog is centred on it, stays in front
    // of it and shows it again when it closes.
    TEditConfiguration(QWidget *owner, ScorecardDocument &document, Prompter &prompter);

    // Shows the dialog centred on the main window, or brings it to the front
    // when it is already shown. It never blocks the main window.
    void showDialog();

    // "Continue >": stores the basic information, checks it and, when it is
    // complete, sets up a new scorecard after the user's confirmation.
    void Button1Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormClose();
    void MunicipalClassifChange(const QString &text);
    void AnalysisMemoChange();
    // Fields and contact memo follow the document after a file was read.
    void showDocumentValues();
    void showMainWindow();

    ScorecardDocument &m_document;
    Prompter &m_prompter;
    QWidget *m_owner;

    QComboBox *MunicipalClassif;
    QLineEdit *WSPNameEdit;
    QLineEdit *ServiceDeliveryCentre;
    QComboBox *DateBox;
    QPlainTextEdit *Memo1;
    QPlainTextEdit *AnalysisMemo;
    QPushButton *Button1;
};
