// The print options dialog and the print job.
#include "PrintForm.h"

#include "PagedDeviceSink.h"
#include "PrintReport.h"
#include "Prompter.h"
#include "ReportInfo.h"
#include "ScorecardDocument.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <optional>

namespace {

// The window's outer size, title bar and border included.
constexpr QSize OuterSize(250, 195);

} // namespace

TPrintOptions::TPrintOptions(QWidget *owner, ScorecardDocument &document, Prompter &prompter,
                             LogoSource reportLogo, PrinterSource printer)
    : QDialog(owner), m_document(document), m_prompter(prompter),
      m_reportLogo(std::move(reportLogo)), m_printer(std::move(printer))
{
    setWindowTitle(QStringLiteral("Print Options"));
    setModal(false);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(242, 161);

    GroupBox1 = new QGroupBox(QStringLiteral("Print Options"), this);
    GroupBox1->setGeometry(16, 16, 209, 129);
    ScorecardIndicators = new QCheckBox(QStringLiteral("Print Scorecard Indicators"), GroupBox1);
    ScorecardIndicators->setGeometry(16, 24, 145, 17);
    BreakdownBox = new QCheckBox(QStringLiteral("Print Breakdown of Scorecard items"), GroupBox1);
    BreakdownBox->setGeometry(16, 47, 190, 17);
    ScorecardResults = new QCheckBox(QStringLiteral("Print Scorecard Summary"), GroupBox1);
    ScorecardResults->setGeometry(16, 70, 145, 17);
    PrintButton = new QPushButton(QStringLiteral("Print"), GroupBox1);
    PrintButton->setGeometry(56, 101, 75, 25);
    PrintButton->setAutoDefault(false);

    setTabOrder(ScorecardIndicators, ScorecardResults);
    setTabOrder(ScorecardResults, PrintButton);
    setTabOrder(PrintButton, BreakdownBox);

    for (QCheckBox *box : {ScorecardIndicators, ScorecardResults, BreakdownBox})
        connect(box, &QCheckBox::clicked, this, [this, box] { boxClicked(box); });
    connect(PrintButton, &QPushButton::clicked, this, &TPrintOptions::PrintButtonClick);
}

void TPrintOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TPrintOptions::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

// The window manager may only report the frame's size after the window is
// placed; the outer size is checked again then.
void TPrintOptions::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    FormResize();
}

void TPrintOptions::FormShow()
{
    ScorecardIndicators->setChecked(false);
    ScorecardResults->setChecked(false);
    BreakdownBox->setChecked(false);
    FormResize();
}

void TPrintOptions::FormResize()
{
    // The size is fixed on the client area, less whatever frame the window
    // manager puts around it, so the whole window stays 250 x 195.
    const QSize frame = isWindow() && isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    const QSize client = OuterSize - frame;
    if (minimumSize() != client || maximumSize() != client)
        setFixedSize(client);
    else if (size() != client)
        resize(client);
}

// One section per job: ticking a box clears the other two.
void TPrintOptions::boxClicked(QCheckBox *clicked)
{
    for (QCheckBox *box : {ScorecardIndicators, ScorecardResults, BreakdownBox}) {
        if (box != clicked)
            box->setChecked(false);
    }
}

void TPrintOptions::PrintButtonClick()
{
    if (RunPrintJob())
        close();
}

bool TPrintOptions::RunPrintJob()
{
    // Examined in this order; the boxes keep only one ticked.
    std::optional<ReportSection> section;
    if (ScorecardIndicators->isChecked())
        section = ReportSection::Indicators;
    if (ScorecardResults->isChecked())
        section = ReportSection::Summary;
    if (BreakdownBox->isChecked())
        section = ReportSection::Breakdown;
    if (!section) {
        // Nothing to print: an empty page would only waste paper.
        m_prompter.message(QStringLiteral("Please choose what to print"));
        return false;
    }

    m_paperLayout = sectionLayout(*section);
    QPrinter *printer = m_printer();
    // A4 is asked for before the set-up dialog, so the dialog offers it; the
    // page geometry stays that of A4 whatever paper the assessor then picks.
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(*section == ReportSection::Summary ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
    if (!m_prompter.setUpPrinter(printer))
        return true;

    // The summary's points and total are brought up to date first, as showing
    // the Summary page would, so the paper never shows stale points.
    m_document.refreshSummary();

    QPainter painter;
    if (!painter.begin(printer)) {
        m_prompter.error(QStringLiteral("The report could not be sent to the printer."));
        return false;
    }
    PagedDeviceSink sink(*printer, painter);
    printSection(sink, m_document, *section, m_paperLayout,
                 ReportInfo::fromDocument(m_document, m_reportLogo()));
    if (!painter.end()) {
        m_prompter.error(QStringLiteral("The report could not be sent to the printer."));
        return false;
    }
    return true;
}
