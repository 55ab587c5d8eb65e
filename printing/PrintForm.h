// The print options dialog: the assessor picks one report section and the
// dialog runs the print job for it.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class Prompter;
class QCheckBox;
class QGroupBox;
class QPrinter;
class QPushButton;
class ScorecardDocument;

class TPrintOptions final : public QDialog
{
    Q_OBJECT

public:
    // The dialog prints the document on `printer`, which the owner keeps, so
    // the printer's settings carry over from one job to the next.
    TPrintOptions(QWidget *owner, ScorecardDocument &document, Prompter &prompter,
                  const QImage &reportLogo, QPrinter *printer);

    // "A4Portrait" or "A4Landscape" once a job has been started; empty before.
    const QString &PaperLayout() const { return m_paperLayout; }

    // Runs the print job for the ticked section. Returns false when the job
    // could not run (nothing ticked, or the printer refused), so the dialog
    // stays open; true when it printed or the assessor cancelled.
    bool RunPrintJob();

    QGroupBox *GroupBox1;
    QCheckBox *ScorecardIndicators;
    QCheckBox *BreakdownBox;
    QCheckBox *ScorecardResults;
    QPushButton *PrintButton;

public Q_SLOTS:
    void PrintButtonClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void FormShow();
    void FormResize();
    void boxClicked(QCheckBox *clicked);

    ScorecardDocument &m_document;
    Prompter &m_prompter;
    QImage m_reportLogo;
    QPrinter *m_printer;
    QString m_paperLayout;
};
