// The main window and its menu commands.
#include "MainUnit.h"

#include "BreakdownTable.h"
#include "Credits.h"
#include "IntroductionTable.h"
#include "Prompter.h"
#include "RadarChart.h"
#include "ScorecardDocument.h"
#include "ScorecardFile.h"
#include "SummaryTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

const QString TitleText = QStringLiteral("Quorval for Assessing the Potential for\n"
                                         "         WC/WDM Efforts in Municipalities");

const QString IntroductionText = QStringLiteral(
    "This scorecard helps an assessor rate how far a municipality or water services "
    "authority (WSA) has come with water conservation and water demand management "
    "(WC/WDM). It covers the key items that experience has shown to matter most: knowing "
    "where the water goes, keeping the network pressurised, metering and billing every "
    "customer, answering complaints, managing assets, controlling leakage and pressure, "
    "and working with the community and its schools. Each item offers five answers, from "
    "best practice to none at all, and every answer is worth points; the total shows where "
    "the WSA stands and the spider diagram shows where its strengths and gaps lie. The "
    "items of the scorecard are listed below.");

const QColor Highlight(255, 255, 153);

QFont pixelFont(const QString &family, int pixels, bool bold = false, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QLabel *addLabel(QWidget *panel, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, panel);
    label->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    label->adjustSize();
    label->move(x, y);
    return label;
}

QLineEdit *addEdit(QWidget *panel, const QRect &geometry)
{
    auto *edit = new QLineEdit(panel);
    edit->setReadOnly(true);
    edit->setFont(pixelFont(QStringLiteral("Arial"), 13));
    edit->setGeometry(geometry);
    return edit;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

} // namespace

TScorecardForm::TScorecardForm(ScorecardDocument &document, Prompter &prompter, QWidget *parent)
    : QMainWindow(parent), m_document(document), m_prompter(prompter),
      m_radarGraph(RadarChart::ImageSize, RadarChart::ImageSize, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("ScorecardForm"));
    setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    resize(866, 812);
    m_radarGraph.fill(Qt::white);

    buildMenu();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QFrame(central);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(49);
    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->addStretch();
    Image1 = new QLabel(Panel1);
    Image1->setFixedSize(218, 41);
    Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    panelLayout->addWidget(Image1);
    layout->addWidget(Panel1);

    PageControl1 = new QTabWidget(central);
    TabSheet1 = buildIntroductionPage();
    TabSheet3 = buildScorecardPage();
    TabSheet2 = buildSummaryPage();
    SpiderDiagram = buildSpiderPage();
    PageControl1->addTab(TabSheet1, QStringLiteral("Introduction"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Scorecard"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Summary"));
    PageControl1->addTab(SpiderDiagram, QStringLiteral("Spider Diagram"));
    PageControl1->hide();
    layout->addWidget(PageControl1, 1);
    layout->addStretch(0);
    setCentralWidget(central);

    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int) {
        QWidget *page = PageControl1->currentWidget();
        if (page == TabSheet2)
            TabSheet2Show();
        else if (page == SpiderDiagram)
            SpiderDiagramShow();
    });

    auto *statusBar = new QStatusBar(this);
    statusBar->setFixedHeight(19);
    statusBar->setSizeGripEnabled(false);
    m_statusLine = new QLabel(statusBar);
    m_statusLine->move(2, 2);
    statusBar->addWidget(m_statusLine, 1);
    setStatusBar(statusBar);

    connect(&m_document, &ScorecardDocument::scorecardFilled, this,
            &TScorecardForm::onScorecardFilled);
    connect(&m_document, &ScorecardDocument::basicInformationChanged, this,
            &TScorecardForm::showBasicInformation);
    connect(&m_document, &ScorecardDocument::contentChanged, this,
            &TScorecardForm::refreshGrids);
    refreshGrids();
}

void TScorecardForm::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    New1 = file->addAction(QStringLiteral("New"), this, &TScorecardForm::New1Click);
    Open1 = file->addAction(QStringLiteral("Open"), this, &TScorecardForm::Open1Click);
    Save1 = file->addAction(QStringLiteral("Save"), this, [this] { Save1Click(); });
    Print1 = file->addAction(QStringLiteral("Print"), this, &TScorecardForm::Print1Click);
    Exit1 = file->addAction(QStringLiteral("Exit"), this, &TScorecardForm::Exit1Click);
    About1 = menuBar()->addAction(QStringLiteral("About"), this, &TScorecardForm::About1Click);
}

QWidget *TScorecardForm::addScrollBox(QWidget *page, int contentWidth, int panelWidth)
{
    // A grey scroll box whose scrollable area holds one white panel at its left.
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *scrollBox = new QScrollArea(page);
    scrollBox->setWidgetResizable(false);
    auto *content = new QWidget;
    content->setFixedSize(contentWidth, 900);
    auto *panel = new QFrame(content);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    setBackground(panel, Qt::white);
    panel->setGeometry(0, 0, panelWidth, 900);
    scrollBox->setWidget(content);
    layout->addWidget(scrollBox);

    auto *title = new QLabel(TitleText, panel);
    title->setTextFormat(Qt::PlainText);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setFont(pixelFont(QStringLiteral("Arial Black"), 21, true, true));
    title->setGeometry(16, 0, 737, 65);
    return panel;
}

QWidget *TScorecardForm::buildIntroductionPage()
{
    auto *page = new QWidget;
    QWidget *panel = addScrollBox(page, 1000, 792);
    auto *paragraph = new QLabel(IntroductionText, panel);
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paragraph->setFont(pixelFont(QStringLiteral("Arial"), 12));
    paragraph->setGeometry(16, 71, 761, 162);
    EvaluationGrid = new IntroductionTable(m_document, panel);
    EvaluationGrid->setGeometry(16, 223, 697, 578);
    return page;
}

QWidget *TScorecardForm::buildScorecardPage()
{
    auto *page = new QWidget;
    QWidget *panel = addScrollBox(page, 792, 792);
    addLabel(panel, QStringLiteral("Name of Municipality"), 88, 96);
    Municipality = addEdit(panel, QRect(320, 93, 353, 24));
    addLabel(panel, QStringLiteral("Breakdown of Items:"), 16, 142);
    BreakDownGrid = new BreakdownTable(m_document, m_prompter, panel);
    BreakDownGrid->setGeometry(4, 164, 780, 728);
    return page;
}

QWidget *TScorecardForm::buildSummaryPage()
{
    auto *page = new QWidget;
    QWidget *panel = addScrollBox(page, 1000, 988);
    addLabel(panel, QStringLiteral("Name of Municipality / Water Service Provider:"), 32, 96);
    WSPNameEdit = addEdit(panel, QRect(376, 96, 361, 24));
    addLabel(panel, QStringLiteral("Assessment Date:"), 220, 126);
    DateEdit = addEdit(panel, QRect(376, 126, 65, 24));
    DateEdit->setToolTip(QStringLiteral("Date Format: 2007/08"));
    DateEdit->setPlaceholderText(QStringLiteral("Date Format: 2007/08"));
    ScorecardGrid = new SummaryTable(m_document, panel);
    ScorecardGrid->setGeometry(4, 200, 976, 692);
    return page;
}

QWidget *TScorecardForm::buildSpiderPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    ScrollBox4 = new QScrollArea(page);
    auto *content = new QWidget;
    content->setFixedSize(1000, 900);
    RadarGraph = new QLabel(content);
    RadarGraph->setGeometry(0, 0, RadarChart::ImageSize, RadarChart::ImageSize);
    RadarGraph->setPixmap(QPixmap::fromImage(m_radarGraph));
    Save = new QPushButton(QStringLiteral("Save"), content);
    Save->setGeometry(16, 514, 75, 25);
    connect(Save, &QPushButton::clicked, this, &TScorecardForm::SaveClick);
    ScrollBox4->setWidget(content);
    ScrollBox4->installEventFilter(this);
    layout->addWidget(ScrollBox4);
    return page;
}

void TScorecardForm::refreshGrids()
{
    EvaluationGrid->tableChanged();
    BreakDownGrid->tableChanged();
    ScorecardGrid->tableChanged();
}

void TScorecardForm::onScorecardFilled(bool variantKnown)
{
    // Every row is 20 high again; the header edits turn light yellow.
    BreakDownGrid->setDefaultRowHeight(20);
    ScorecardGrid->setDefaultRowHeight(20);
    for (QLineEdit *edit : {DateEdit, WSPNameEdit, Municipality})
        setBackground(edit, Highlight);
    if (variantKnown) {
        PageControl1->setCurrentWidget(TabSheet1);
        PageControl1->show();
    }
    refreshGrids();
}

void TScorecardForm::showBasicInformation()
{
    const Globals &globals = m_document.globals();
    WSPNameEdit->setText(globals.ProviderName);
    Municipality->setText(globals.ProviderName);
    DateEdit->setText(globals.AssessmentDate);
}

QString TScorecardForm::statusLine() const { return m_statusLine->text(); }

void TScorecardForm::setStatusLine(const QString &fileName, const QString &version)
{
    m_statusLine->setText(fileName + QStringLiteral("  (File created in Program Version: ")
                          + version + QLatin1Char(')'));
}

void TScorecardForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TScorecardForm::FormShow()
{
    setWindowTitle(QStringLiteral("Quorval Version: ") + m_document.globals().ProgramVersion
                   + QLatin1Char(' ') + QLatin1String(Credits::CaptionCredit) + QLatin1Char(' '));
}

bool TScorecardForm::isSpiderDiagramOnDisplay() const
{
    return PageControl1->isVisible() && PageControl1->currentWidget() == SpiderDiagram;
}

void TScorecardForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The diagram's scroll box follows the window's size; off display it is
    // wiped to its title until the page is shown again. (A hidden page gets no
    // resize of its own until it is shown, so the window's resize stands in.)
    if (!isSpiderDiagramOnDisplay())
        ClearRadarGraph();
}

void TScorecardForm::keyPressEvent(QKeyEvent *event)
{
    // Keys typed while the window itself has the focus (no scorecard yet, so
    // no control takes them) dismiss the splash screen, which leads on to the
    // basic-information dialog. Keys a control passes on unused are not meant
    // for the window.
    const QWidget *focus = focusWidget();
    if (!event->text().isEmpty() && (!focus || focus == this))
        Q_EMIT splashCloseRequested();
    QMainWindow::keyPressEvent(event);
}

bool TScorecardForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseMove)
        Image1MouseMove();
    // A resize while the diagram is on display draws it anew, so the page and
    // a saved bitmap never show an empty chart.
    if (watched == ScrollBox4 && event->type() == QEvent::Resize && isSpiderDiagramOnDisplay())
        SpiderDiagramShow();
    return QMainWindow::eventFilter(watched, event);
}

void TScorecardForm::Image1MouseMove()
{
    // The hint shows 50 ms after the pointer comes to rest and stays 5 s.
    const QString hint = QStringLiteral("Design  : ") + QLatin1String(Credits::DesignerCredit);
    Image1->setToolTip(hint);
    static constexpr int ShowDelay = 50;
    static constexpr int HideDelay = 5000;
    QTimer::singleShot(ShowDelay, Image1, [this, hint] {
        if (Image1->underMouse())
            QToolTip::showText(QCursor::pos(), hint, Image1, {}, HideDelay);
    });
}

void TScorecardForm::TabSheet2Show() { m_document.refreshSummary(); }

void TScorecardForm::SpiderDiagramShow()
{
    m_document.refreshSummary();
    m_document.ComputeCategoryScores();
    QPainter painter(&m_radarGraph);
    drawRadarChart(painter, categoryScores(m_document.globals()), m_document.globals().ProviderName,
                   QLocale());
    painter.end();
    RadarGraph->setPixmap(QPixmap::fromImage(m_radarGraph));
}

void TScorecardForm::ClearRadarGraph()
{
    QPainter painter(&m_radarGraph);
    clearRadarChart(painter, m_document.globals().ProviderName);
    painter.end();
    RadarGraph->setPixmap(QPixmap::fromImage(m_radarGraph));
}

void TScorecardForm::New1Click() { Q_EMIT newRequested(); }

void TScorecardForm::Print1Click() { Q_EMIT printRequested(); }

void TScorecardForm::About1Click() { Q_EMIT aboutRequested(); }

void TScorecardForm::SaveClick() { Q_EMIT saveBitmapRequested(); }

void TScorecardForm::Exit1Click() { close(); }

void TScorecardForm::Open1Click()
{
    Q_EMIT basicInformationDialogCloseRequested();
    const QString fileName = m_prompter.openFileName(QLatin1String(FileFilter));
    if (fileName.isEmpty())
        return;

    // The whole file is read and checked before anything is asked or applied,
    // so a bad file leaves the open scorecard exactly as it was.
    ScorecardFileContents contents;
    ScorecardFileError error;
    if (!ScorecardFile::read(fileName, &contents, &error)) {
        m_prompter.error(error.message());
        return;
    }
    if (!m_document.ConfirmNewScorecard(m_prompter))
        return;

    m_document.applyFile(contents);
    setStatusLine(QFileInfo(fileName).absoluteFilePath(), m_document.globals().FileProgramVersion);

    // Pass the Scorecard and Summary pages, as the assessor would, and come
    // back to the Introduction page.
    PageControl1->hide();
    PageControl1->setCurrentWidget(TabSheet3);
    PageControl1->setCurrentWidget(TabSheet2);
    PageControl1->show();
    PageControl1->setCurrentWidget(TabSheet1);
    m_document.UpdateScorecardValues();
}

bool TScorecardForm::Save1Click()
{
    if (!m_document.hasScorecard()) {
        m_prompter.message(QStringLiteral(
            "There is no scorecard to save yet. Start one with File > New or open one with "
            "File > Open."));
        return false;
    }
    QString fileName = m_prompter.saveFileName(QLatin1String(FileFilter));
    if (fileName.isEmpty())
        return false;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".sc");

    const QStringList lossy = ScorecardFile::unencodableFields(m_document);
    if (!lossy.isEmpty()
        && !m_prompter.confirm(
            QStringLiteral("Some characters cannot be stored in a scorecard file and will be "
                           "saved as \"?\":\n\n%1\n\nSave anyway?")
                .arg(lossy.join(QLatin1Char('\n')))))
        return false;

    // The points lines always follow the answers given so far.
    m_document.refreshSummary();
    QString error;
    if (!ScorecardFile::write(m_document, fileName, &error)) {
        m_prompter.error(error);
        return false;
    }
    m_document.markSaved();
    setStatusLine(QFileInfo(fileName).absoluteFilePath(), m_document.globals().ProgramVersion);
    return true;
}

void TScorecardForm::closeEvent(QCloseEvent *event)
{
    if (m_document.isModified()) {
        switch (m_prompter.askYesNoCancel(
            QStringLiteral("Save changes to the scorecard before closing?"))) {
        case Prompter::Answer::Yes:
            if (!Save1Click()) {
                event->ignore();
                return;
            }
            break;
        case Prompter::Answer::No:
            break;
        case Prompter::Answer::Cancel:
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}
