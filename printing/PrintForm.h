// The print options dialog: the assessor picks one report section and the
// dialog runs the print job for it.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>

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
    // Both are asked for only when a job runs: the report logo lives in a
    // window made after this one, and setting up a printer is slow enough to
    // leave out of the program's start.
    using LogoSource = std::function<QImage()>;
    using PrinterSource = std::function<QPrinter *()>;

    // The dialog prints the document on the printer the source hands out,
    // which the owner keeps, so its settings carry over from job to job.
    TPrintOptions(QWidget *owner, ScorecardDocument &document, Prompter &prompter,
                  LogoSource reportLogo, PrinterSource printer);

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
    LogoSource m_reportLogo;
    PrinterSource m_printer;
    QString m_paperLayout;
};
