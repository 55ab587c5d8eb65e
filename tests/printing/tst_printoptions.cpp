// Tests of the print options dialog and its print job, with a scripted
// printer set-up dialog and a printer that writes PDF files.
#include "PrintForm.h"
#include "ReportFixtures.h"
#include "ScorecardDocument.h"
#include "ScriptedPrompter.h"

#include "Catalogue.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The printer of a test: it writes a PDF file into the test's folder and
// starts on Letter paper, so that asking for A4 shows.
struct PdfPrinter
{
    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    QString file;

    PdfPrinter()
    {
        file = dir.filePath(QStringLiteral("report.pdf"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::Letter));
    }
};

QString pdfText(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<bool> checkedStates(const TPrintOptions &dialog)
{
    return {dialog.ScorecardIndicators->isChecked(), dialog.ScorecardResults->isChecked(),
            dialog.BreakdownBox->isChecked()};
}

} // namespace

class TestPrintOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void layoutOfTheDialog();
    void showingClearsTheBoxes();
    void atMostOneBoxChecked_data();
    void atMostOneBoxChecked();
    void sizeIsHeld();
    void nothingTickedAsksForAChoice();
    void cancelPrintsNothing_data();
    void cancelPrintsNothing();
    void printsTheChosenSectionWithCurrentPoints();
    void printerThatRefusesKeepsTheDialogOpen();

private:
    ScorecardDocument *m_document = nullptr;
};

void TestPrintOptions::init()
{
    delete m_document;
    m_document = new ScorecardDocument(this);
    fillAnsweredScorecard(*m_document, QLatin1String(BigMunicipality));
}

void TestPrintOptions::layoutOfTheDialog()
{
    ScriptedPrompter prompter;
    PdfPrinter pdf;
    TPrintOptions dialog(nullptr, *m_document, prompter, [] { return testLogo(); },
                          [&pdf] { return &pdf.printer; });

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Options"));
    QVERIFY(!dialog.isModal());
    QCOMPARE(dialog.GroupBox1->geometry(), QRect(16, 16, 209, 129));
    QCOMPARE(dialog.ScorecardIndicators->text(), QStringLiteral("Print Scorecard Indicators"));
    QCOMPARE(dialog.ScorecardIndicators->geometry(), QRect(16, 24, 145, 17));
    QCOMPARE(dialog.BreakdownBox->text(), QStringLiteral("Print Breakdown of Scorecard items"));
    QCOMPARE(dialog.BreakdownBox->geometry(), QRect(16, 47, 190, 17));
    QCOMPARE(dialog.ScorecardResults->text(), QStringLiteral("Print Scorecard Summary"));
    QCOMPARE(dialog.ScorecardResults->geometry(), QRect(16, 70, 145, 17));
    QCOMPARE(dialog.PrintButton->text(), QStringLiteral("Print"));
    QCOMPARE(dialog.PrintButton->geometry(), QRect(56, 101, 75, 25));
    QCOMPARE(dialog.font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(dialog.font().pointSize(), 8);

    QCOMPARE(dialog.ScorecardIndicators->nextInFocusChain(),
             static_cast<QWidget *>(dialog.ScorecardResults));
    QCOMPARE(dialog.ScorecardResults->nextInFocusChain(), static_cast<QWidget *>(dialog.PrintButton));
    QCOMPARE(dialog.PrintButton->nextInFocusChain(), static_cast<QWidget *>(dialog.BreakdownBox));
}

void TestPrintOptions::showingClearsTheBoxes()
{
    ScriptedPrompter prompter;
    PdfPrinter pdf;
    TPrintOptions dialog(nullptr, *m_document, prompter, [] { return testLogo(); },
                          [&pdf] { return &pdf.printer; });
    dialog.show();
    dialog.ScorecardResults->click();
    QCOMPARE(checkedStates(dialog), (QList<bool>{false, true, false}));
    dialog.close();
    QVERIFY(!dialog.isVisible());

    dialog.show();
    QCOMPARE(checkedStates(dialog), (QList<bool>{false, false, false}));
}

void TestPrintOptions::atMostOneBoxChecked_data()
{
    QTest::addColumn<QList<int>>("clicks"); // 0 indicators, 1 summary, 2 breakdown
    QTest::addColumn<QList<bool>>("checked");

    QTest::newRow("indicators") << QList<int>{0} << QList<bool>{true, false, false};
    QTest::newRow("indicators, then summary leaves summary")
        << QList<int>{0, 1} << QList<bool>{false, true, false};
    QTest::newRow("summary, then breakdown leaves breakdown")
        << QList<int>{1, 2} << QList<bool>{false, false, true};
    QTest::newRow("breakdown, then indicators leaves indicators")
        << QList<int>{2, 0} << QList<bool>{true, false, false};
    QTest::newRow("clicking the checked box clears it")
        << QList<int>{1, 1} << QList<bool>{false, false, false};
}

void TestPrintOptions::atMostOneBoxChecked()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QList<bool>, checked);

    ScriptedPrompter prompter;
    PdfPrinter pdf;
    TPrintOptions dialog(nullptr, *m_document, prompter, [] { return testLogo(); },
                          [&pdf] { return &pdf.printer; });
    dialog.show();
    const QList<QCheckBox *> boxes{dialog.ScorecardIndicators, dialog.ScorecardResults,
                                   dialog.BreakdownBox};
    for (int i : clicks)
        QTest::mouseClick(boxes[i], Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(checkedStates(dialog), checked);
}

void TestPrintOptions::sizeIsHeld()
{
    ScriptedPrompter prompter;
    PdfPrinter pdf;
    TPrintOptions dialog(nullptr, *m_document, prompter, [] { return testLogo(); },
                          [&pdf] { return &pdf.printer; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.frameGeometry().size(), QSize(250, 195));

    dialog.resize(400, 300);
    QCoreApplication::processEvents();
    QCOMPARE(dialog.frameGeometry().size(), QSize(250, 195));
}

void TestPrintOptions::nothingTickedAsksForAChoice()
{
    ScriptedPrompter prompter;
    prompter.printerAnswers = {true};
    PdfPrinter pdf;
    TPrintOptions dialog(nullptr, *m_document, prompter, [] { return testLogo(); },
                          [&pdf] { return &pdf.printer; });
    dialog.show();
    dialog.PrintButton->click();

    QCOMPARE(prompter.messages, QStringList{QStringLiteral("Please choose what to print")});
    QCOMPARE(prompter.printerDialogs, 0);
    QVERIFY(!QFileInfo::exists(pdf.file));
    QVERIFY(dialog.isVisible());
}

void TestPrintOptions::cancelPrintsNothing_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("paperLayout");
    QTest::addColumn<QPageLayout::Orientation>("orientation");

    QTest::newRow("indicators: portrait") << 0 << "A4Portrait" << QPageLayout::Portrait;
    QTest::newRow("summary: landscape") << 1 << "A4Landscape" << QPageLayout::Landscape;
    QTest::newRow("breakdown: portrait") << 2 << "A4Portrait" << QPageLayout::Portrait;
}

// The layout and A4 are set before the printer set-up dialog opens; a
// cancelled dialog prints nothing and changes nothing in the scorecard.
void TestPrintOptions::cancelPrintsNothing()
{
    QFETCH(int, box);
    QFETCH(QString, paperLayout);
    QFETCH(QPageLayout::Orientation, orientation);

    ScriptedPrompter prompter;
    prompter.printerAnswers = {false};
    PdfPrinter pdf;
    TPrintOptions dialog(nullptr, *m_document, prompter, [] { return testLogo(); },
                          [&pdf] { return &pdf.printer; });
    QCOMPARE(dialog.PaperLayout(), QString());
    dialog.show();
    const QList<QCheckBox *> boxes{dialog.ScorecardIndicators, dialog.ScorecardResults,
                                   dialog.BreakdownBox};
    boxes[box]->click();
    m_document->SelectOption(firstOptionRow(1) + 4); // the Summary is now behind
    dialog.PrintButton->click();

    QCOMPARE(prompter.printerDialogs, 1);
    QCOMPARE(prompter.lastPrinter, &pdf.printer);
    QCOMPARE(dialog.PaperLayout(), paperLayout);
    QCOMPARE(pdf.printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(pdf.printer.pageLayout().orientation(), orientation);
    QVERIFY(!QFileInfo::exists(pdf.file));
    QCOMPARE(m_document->scorecardGrid().cell(3, 1), QStringLiteral("4"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(prompter.messages, QStringList());
}

// Printing brings the Summary up to date first, so the paper shows the
// points of the option just chosen and the new total.
void TestPrintOptions::printsTheChosenSectionWithCurrentPoints()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    ScriptedPrompter prompter;
    prompter.printerAnswers = {true, true};
    PdfPrinter pdf;
    TPrintOptions dialog(nullptr, *m_document, prompter, [] { return testLogo(); },
                          [&pdf] { return &pdf.printer; });
    const QString totalBefore = m_document->scorecardGrid().cell(3, 26);
    m_document->SelectOption(firstOptionRow(1) + 4); // item 1: 4 points down to 0
    QCOMPARE(m_document->scorecardGrid().cell(3, 26), totalBefore);

    dialog.show();
    dialog.ScorecardResults->click();
    dialog.PrintButton->click();

    QVERIFY(QFileInfo::exists(pdf.file));
    QVERIFY(!dialog.isVisible());
    const QString totalAfter = QString::number(totalBefore.toInt() - 4);
    QCOMPARE(m_document->scorecardGrid().cell(3, 26), totalAfter);
    const QString text = pdfText(pdf.file);
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Total\\s+100\\s+") + totalAfter)),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Page 1")));
    QCOMPARE(pdf.printer.pageLayout().orientation(), QPageLayout::Landscape);

    // The next job keeps the printer and starts from cleared boxes.
    dialog.show();
    dialog.BreakdownBox->click();
    dialog.PrintButton->click();
    QCOMPARE(dialog.PaperLayout(), QStringLiteral("A4Portrait"));
    QVERIFY(pdfText(pdf.file).contains(QStringLiteral("Page 5")));
}

// A printer that cannot start its document is reported, and the dialog stays
// open so the assessor can try again.
void TestPrintOptions::printerThatRefusesKeepsTheDialogOpen()
{
    ScriptedPrompter prompter;
    prompter.printerAnswers = {true};
    PdfPrinter pdf;
    pdf.printer.setOutputFileName(pdf.dir.filePath(QStringLiteral("missing/folder/report.pdf")));
    TPrintOptions dialog(nullptr, *m_document, prompter, [] { return testLogo(); },
                          [&pdf] { return &pdf.printer; });
    dialog.show();
    dialog.ScorecardIndicators->click();
    dialog.PrintButton->click();

    QCOMPARE(prompter.errors, QStringList{QStringLiteral("The report could not be sent to the printer.")});
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(TestPrintOptions)
#include "tst_printoptions.moc"
