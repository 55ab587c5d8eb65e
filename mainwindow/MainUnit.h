// The main window: menu, logo panel, the four pages (Introduction, Scorecard,
// Summary, Spider Diagram), the status line, and the File commands.
#pragma once

#include <QImage>
#include <QMainWindow>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QWidget;
class QAction;
class QFrame;
class BreakdownTable;
class IntroductionTable;
class Prompter;
class ScorecardDocument;
class SummaryTable;

class TScorecardForm final : public QMainWindow
{
    Q_OBJECT

public:
    TScorecardForm(ScorecardDocument &document, Prompter &prompter, QWidget *parent = nullptr);

    static constexpr char FileFilter[] = "Quorval File (*.sc)|*.sc";

    // Menu commands.
    void New1Click();
    void Open1Click();
    bool Save1Click(); // true when the scorecard was written
    void Print1Click();
    void Exit1Click();
    void About1Click();
    void SaveClick();

    // Page show handlers.
    void TabSheet2Show();
    void SpiderDiagramShow();
    void ClearRadarGraph();

    const QImage &radarGraph() const { return m_radarGraph; }
    QString statusLine() const;

    // Controls, named as everywhere else in the program.
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *Print1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *About1 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *SpiderDiagram = nullptr;
    IntroductionTable *EvaluationGrid = nullptr;
    BreakdownTable *BreakDownGrid = nullptr;
    SummaryTable *ScorecardGrid = nullptr;
    QLineEdit *Municipality = nullptr;
    QLineEdit *WSPNameEdit = nullptr;
    QLineEdit *DateEdit = nullptr;
    QScrollArea *ScrollBox4 = nullptr;
    QLabel *RadarGraph = nullptr;
    QPushButton *Save = nullptr;

Q_SIGNALS:
    // Requests to the other windows, which main() connects.
    void newRequested();
    void printRequested();
    void aboutRequested();
    void saveBitmapRequested();
    void splashCloseRequested();
    void basicInformationDialogCloseRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    QWidget *buildIntroductionPage();
    QWidget *buildScorecardPage();
    QWidget *buildSummaryPage();
    QWidget *buildSpiderPage();
    QWidget *addScrollBox(QWidget *page, int contentWidth, int panelWidth);
    void FormShow();
    void Image1MouseMove();
    void onScorecardFilled(bool variantKnown);
    void showBasicInformation();
    void setStatusLine(const QString &fileName, const QString &version);
    void refreshGrids();
    bool isSpiderDiagramOnDisplay() const;

    ScorecardDocument &m_document;
    Prompter &m_prompter;
    QLabel *m_statusLine = nullptr;
    QImage m_radarGraph;
};
