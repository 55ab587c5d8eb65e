// Tests of the basic-information dialog: "Continue >" with complete and
// incomplete entries, the close box, keyboard order and the exchange of the
// fields and contact lines with the scorecard document.
#include "Catalogue.h"
#include "EditConfig.h"
#include "ScorecardDocument.h"
#include "ScorecardFileContents.h"
#include "ScriptedPrompter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString DatePlaceholder = QStringLiteral("------Date--------");
const QString IncompleteMessage = QStringLiteral("Please complete Basic Information ");
const QString SetUpQuestion = QStringLiteral("Any unsaved information will be lost, Continue ?");

// The main window, the document and the dialog as the program wires them up.
struct Fixture
{
    QWidget mainWindow;
    ScorecardDocument document;
    ScriptedPrompter prompter;
    std::unique_ptr<TEditConfiguration> dialog;

    Fixture() { dialog = std::make_unique<TEditConfiguration>(&mainWindow, document, prompter); }

    template<typename Widget>
    Widget *control(const char *name) const
    {
        auto *widget = dialog->findChild<Widget *>(QLatin1String(name));
        if (!widget)
            qFatal("control %s missing", name);
        return widget;
    }
    QLineEdit *nameEdit() const { return control<QLineEdit>("WSPNameEdit"); }
    QLineEdit *detailsEdit() const { return control<QLineEdit>("ServiceDeliveryCentre"); }
    QComboBox *dateBox() const { return control<QComboBox>("DateBox"); }
    QPlainTextEdit *contactMemo() const { return control<QPlainTextEdit>("AnalysisMemo"); }
};

} // namespace

class TestEditConfig final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startState();
    void continueClick_data();
    void continueClick();
    void clearedNameAfterCompletedSetUp();
    void closeBoxSetsNothingUp();
    void keyboardOrder();
    void contactLinesReachDocument();
    void fieldsFollowOpenedFile();
};

void TestEditConfig::startState()
{
    Fixture f;
    QCOMPARE(f.dialog->isVisible(), false);
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Edit Configuration"));
    QCOMPARE(f.nameEdit()->text(), QString());
    QCOMPARE(f.detailsEdit()->text(), QString());
    QCOMPARE(f.dateBox()->currentText(), DatePlaceholder);
    QStringList years;
    for (int i = 0; i < f.dateBox()->count(); ++i)
        years.append(f.dateBox()->itemText(i));
    QCOMPARE(years.first(), QStringLiteral("2010"));
    QCOMPARE(years.last(), QStringLiteral("2020"));
    QCOMPARE(years.size(), 11);
    QCOMPARE(f.control<QPlainTextEdit>("Memo1")->toPlainText(),
             QStringLiteral("Name:\nTel:\nFax:\nemail: "));
    QCOMPARE(f.contactMemo()->toPlainText(), QStringLiteral("\n\n\n"));

    f.dialog->showDialog();
    QCOMPARE(f.dialog->isVisible(), true);
    // The classification selector stays out of sight even when the dialog shows.
    QCOMPARE(f.control<QGroupBox>("GroupBox1")->isVisible(), false);
    QCOMPARE(f.control<QComboBox>("MunicipalClassif")->currentText(),
             QStringLiteral("------Classification--------"));
}

void TestEditConfig::continueClick_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("variantAfter");
    QTest::addColumn<int>("introductionRowsAfter");

    // Every case starts from a small scorecard in progress, so a variant or
    // table that changes where it must not shows up. A small scorecard's
    // Introduction table has 24 rows, a big one's 26.
    const QString small = QLatin1String(SmallMunicipality);
    const QString big = QLatin1String(BigMunicipality);
    QTest::newRow("all fields as at start")
        << QString() << QString() << DatePlaceholder << true << false << small << 24;
    QTest::newRow("name filled, details empty although 'if required'")
        << QStringLiteral("Riverton") << QString() << QStringLiteral("2012") << true << false
        << small << 24;
    QTest::newRow("date still the placeholder")
        << QStringLiteral("Riverton") << QStringLiteral("North") << DatePlaceholder << true << false
        << small << 24;
    QTest::newRow("date as free text, Yes")
        << QStringLiteral("Riverton") << QStringLiteral("North") << QStringLiteral("mid 2013") << true
        << true << big << 26;
    QTest::newRow("date box emptied, Yes")
        << QStringLiteral("Riverton") << QStringLiteral("North") << QString() << true << true << big
        << 26;
    QTest::newRow("name and details a single blank each, Yes")
        << QStringLiteral(" ") << QStringLiteral(" ") << QStringLiteral("2010") << true << true << big
        << 26;
    QTest::newRow("complete, No keeps the small scorecard and its variant")
        << QStringLiteral("Riverton") << QStringLiteral("North") << QStringLiteral("2015") << false
        << true << small << 24;
    QTest::newRow("complete, Yes sets up a big scorecard")
        << QStringLiteral("Riverton") << QStringLiteral("North") << QStringLiteral("2015") << true
        << true << big << 26;
}

void TestEditConfig::continueClick()
{
    QFETCH(QString, name);
    QFETCH(QString, details);
    QFETCH(QString, date);
    QFETCH(bool, answerYes);
    QFETCH(bool, complete);
    QFETCH(QString, variantAfter);
    QFETCH(int, introductionRowsAfter);

    Fixture f;
    f.document.setScorecardVariant(QLatin1String(SmallMunicipality));
    f.document.FillNewScorecard();
    const QString smallComment = QStringLiteral("kept");
    f.document.editSummaryCell(4, 1, smallComment);
    f.prompter.confirmAnswers = {answerYes};

    f.dialog->showDialog();
    f.nameEdit()->setText(name);
    f.detailsEdit()->setText(details);
    f.dateBox()->setEditText(date);
    QTest::mouseClick(f.control<QPushButton>("Button1"), Qt::LeftButton);

    // The basic information is stored whatever the outcome.
    QCOMPARE(f.document.globals().ProviderName, name);
    QCOMPARE(f.document.globals().AdditionalDetails, details);
    QCOMPARE(f.document.globals().AssessmentDate, date);
    QCOMPARE(f.document.globals().BasicInfoComplete, complete);

    QCOMPARE(f.prompter.messages, complete ? QStringList() : QStringList{IncompleteMessage});
    QCOMPARE(f.prompter.questions, complete ? QStringList{SetUpQuestion} : QStringList());
    QCOMPARE(f.dialog->isVisible(), !complete);
    QCOMPARE(f.mainWindow.isVisible(), true);

    QCOMPARE(f.document.globals().ScorecardVariant, variantAfter);
    QCOMPARE(f.document.evaluationGrid().rowCount(), introductionRowsAfter);
    const bool setUp = complete && answerYes;
    QCOMPARE(f.document.scorecardGrid().cell(4, 1), setUp ? QString() : smallComment);
}

void TestEditConfig::clearedNameAfterCompletedSetUp()
{
    Fixture f;
    f.dialog->showDialog();
    f.nameEdit()->setText(QStringLiteral("Riverton"));
    f.detailsEdit()->setText(QStringLiteral("North"));
    f.dateBox()->setCurrentIndex(f.dateBox()->findText(QStringLiteral("2011")));
    f.dialog->Button1Click();
    QCOMPARE(f.dialog->isVisible(), false);
    QCOMPARE(f.document.globals().ScorecardVariant, QString::fromLatin1(BigMunicipality));

    // "New" shows the dialog again with the values last typed.
    f.dialog->showDialog();
    QCOMPARE(f.nameEdit()->text(), QStringLiteral("Riverton"));
    QCOMPARE(f.dateBox()->currentText(), QStringLiteral("2011"));
    f.nameEdit()->clear();
    f.dialog->Button1Click();
    QCOMPARE(f.prompter.messages, QStringList{IncompleteMessage});
    QCOMPARE(f.dialog->isVisible(), true);
    QCOMPARE(f.document.globals().ProviderName, QString());
}

void TestEditConfig::closeBoxSetsNothingUp()
{
    Fixture f;
    f.dialog->showDialog();
    f.nameEdit()->setText(QStringLiteral("Riverton"));
    QCOMPARE(f.dialog->close(), false); // only hidden, never destroyed
    QCOMPARE(f.dialog->isVisible(), false);
    QCOMPARE(f.mainWindow.isVisible(), true);
    QCOMPARE(f.prompter.questions, QStringList());
    QCOMPARE(f.document.hasScorecard(), false);
    QCOMPARE(f.document.globals().ProviderName, QString());

    // Shown again, the dialog still holds what was typed.
    f.dialog->showDialog();
    QCOMPARE(f.nameEdit()->text(), QStringLiteral("Riverton"));
}

void TestEditConfig::keyboardOrder()
{
    Fixture f;
    f.dialog->showDialog();
    QStringList order;
    QWidget *widget = f.nameEdit();
    // Walk the chain the Tab key follows, as far as the button.
    for (int guard = 0; guard < 100 && order.size() < 6; ++guard) {
        QWidget *target = widget->focusProxy() ? widget->focusProxy() : widget;
        if ((target->focusPolicy() & Qt::TabFocus) && target->isVisibleTo(f.dialog.get())
            && target->isEnabled() && !order.contains(target->objectName())
            && !target->objectName().isEmpty())
            order.append(target->objectName());
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(order, (QStringList{QStringLiteral("WSPNameEdit"), QStringLiteral("ServiceDeliveryCentre"),
                                 QStringLiteral("DateBox"), QStringLiteral("Memo1"),
                                 QStringLiteral("AnalysisMemo"), QStringLiteral("Button1")}));
}

void TestEditConfig::contactLinesReachDocument()
{
    Fixture f;
    f.dialog->showDialog();
    QPlainTextEdit *memo = f.contactMemo();
    QTest::keyClicks(memo, QStringLiteral("Ann Example"));
    QTest::keyClick(memo, Qt::Key_Down);
    QTest::keyClicks(memo, QStringLiteral("555 0100"));
    QTest::keyClick(memo, Qt::Key_Down);
    QTest::keyClick(memo, Qt::Key_Down);
    QTest::keyClicks(memo, QStringLiteral("ann@riverton.example"));

    QCOMPARE(f.document.contactLines(),
             (QStringList{QStringLiteral("Ann Example"), QStringLiteral("555 0100"), QString(),
                          QStringLiteral("ann@riverton.example")}));

    // Storing the basic information must not disturb the memo being typed in.
    f.nameEdit()->setText(QStringLiteral("Riverton"));
    f.dialog->Button1Click();
    QCOMPARE(memo->toPlainText(), QStringLiteral("Ann Example\n555 0100\n\nann@riverton.example"));
}

void TestEditConfig::fieldsFollowOpenedFile()
{
    Fixture f;
    f.dialog->showDialog();
    f.nameEdit()->setText(QStringLiteral("typed before the open"));
    QTest::keyClicks(f.contactMemo(), QStringLiteral("Someone Else"));

    ScorecardFileContents contents;
    contents.programVersion = QStringLiteral("2.3.1.1 August 2010");
    contents.variant = QLatin1String(BigMunicipality);
    contents.providerName = QStringLiteral("Lakeside");
    contents.additionalDetails = QStringLiteral("Eastern scheme");
    contents.assessmentDate = QStringLiteral("2014");
    contents.contactLines = QStringList{QStringLiteral("B. Assessor"), QStringLiteral("555 0199"),
                                        QString(), QStringLiteral("b@lakeside.example")};
    for (int r = 0; r < 26; ++r) {
        contents.points.append(QStringLiteral("0"));
        contents.comments.append(QString());
    }
    contents.optionStates.fill(OptionUnselected);
    f.document.applyFile(contents);

    QCOMPARE(f.nameEdit()->text(), QStringLiteral("Lakeside"));
    QCOMPARE(f.detailsEdit()->text(), QStringLiteral("Eastern scheme"));
    QCOMPARE(f.dateBox()->currentText(), QStringLiteral("2014"));
    QCOMPARE(f.contactMemo()->toPlainText(),
             QStringLiteral("B. Assessor\n555 0199\n\nb@lakeside.example"));
    // Refilling the memo hands the same lines back, not a mixture.
    QCOMPARE(f.document.contactLines(), contents.contactLines);

    // The opened values count as complete basic information.
    f.dialog->Button1Click();
    QCOMPARE(f.prompter.messages, QStringList());
    QCOMPARE(f.dialog->isVisible(), false);
}

QTEST_MAIN(TestEditConfig)
#include "tst_editconfig.moc"
