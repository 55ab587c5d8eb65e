// The main window's frame and File commands, headless through the scripted
// prompter: caption, start state, menus, Save then Open, refused files and the
// question before closing with unsaved changes.
#include "BreakdownTable.h"
#include "Catalogue.h"
#include "Credits.h"
#include "QuorvalResources.h"
#include "ScorecardFile.h"
#include "SummaryTable.h"
#include "WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString Version = QStringLiteral("2.3.1.1 August 2010");
const QString SetUpQuestion = QStringLiteral("Any unsaved information will be lost, Continue ?");
const QString CloseQuestion = QStringLiteral("Save changes to the scorecard before closing?");

QStringList actionTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts << action->text();
    return texts;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMainWindow final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initQuorvalResources(); }
    void init();
    void cleanup();

    void captionSetOnEveryShow();
    void startsWithPagesHiddenAndMenus();
    void saveBeforeAnyScorecard();
    void saveThenOpen();
    void openRefusedFile();
    void openAnsweredNo();
    void closeQuestion_data();
    void closeQuestion();

private:
    void chooseOnPage(int breakdownRow);

    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMainWindow::init()
{
    m_f = std::make_unique<WindowFixture>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestMainWindow::cleanup()
{
    m_f.reset();
    m_dir.reset();
}

void TestMainWindow::chooseOnPage(int breakdownRow)
{
    BreakdownTable *grid = m_f->form.BreakDownGrid;
    grid->setTopRow(breakdownRow);
    pressAt(grid, grid->GetBtnRect(2, breakdownRow).center());
}

void TestMainWindow::captionSetOnEveryShow()
{
    const QString caption = QStringLiteral("Quorval Version: ") + Version + QLatin1Char(' ')
        + QLatin1String(Credits::CaptionCredit) + QLatin1Char(' ');
    QCOMPARE(m_f->form.windowTitle(), caption);

    // Never from a file's version, and set again on the next show.
    ScorecardFileContents contents = emptyContents(QString::fromLatin1(BigMunicipality));
    contents.programVersion = QStringLiteral("2.2.0.0 March 2009");
    m_f->document.applyFile(contents);
    m_f->form.setWindowTitle(QStringLiteral("changed"));
    m_f->form.hide();
    m_f->form.show();
    QCOMPARE(m_f->form.windowTitle(), caption);
}

void TestMainWindow::startsWithPagesHiddenAndMenus()
{
    QCOMPARE(m_f->form.PageControl1->isVisible(), false);

    const QList<QAction *> top = m_f->form.menuBar()->actions();
    QCOMPARE(actionTexts(top), (QStringList{"File", "About"}));
    QMenu *file = top.first()->menu();
    QVERIFY(file);
    QCOMPARE(actionTexts(file->actions()), (QStringList{"New", "Open", "Save", "Print", "Exit"}));
    for (QAction *action : file->actions())
        QCOMPARE(action->shortcut(), QKeySequence());
    QCOMPARE(top.at(1)->menu(), nullptr);

    QStringList tabs;
    for (int i = 0; i < m_f->form.PageControl1->count(); ++i)
        tabs << m_f->form.PageControl1->tabText(i);
    QCOMPARE(tabs, (QStringList{"Introduction", "Scorecard", "Summary", "Spider Diagram"}));
}

void TestMainWindow::saveBeforeAnyScorecard()
{
    m_f->form.Save1->trigger();

    QCOMPARE(m_f->prompter.messages.size(), 1);
    QCOMPARE(m_f->prompter.saveDialogs, 0);
    QCOMPARE(m_f->prompter.errors, QStringList());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    QCOMPARE(m_f->form.statusLine(), QString());
    QCOMPARE(m_f->form.PageControl1->isVisible(), false);
}

void TestMainWindow::saveThenOpen()
{
    m_f->setUpBig();
    m_f->form.PageControl1->setCurrentWidget(m_f->form.TabSheet3);
    chooseOnPage(3);  // item 1, 3 points
    chooseOnPage(16); // item 3, third option: 2 points
    m_f->form.PageControl1->setCurrentWidget(m_f->form.TabSheet2);

    // A name typed without extension gets ".sc".
    m_f->prompter.saveNames << m_dir->filePath(QStringLiteral("amberkloof"));
    m_f->form.Save1->trigger();

    const QString saved = m_dir->filePath(QStringLiteral("amberkloof.sc"));
    QVERIFY(QFileInfo::exists(saved));
    QCOMPARE(m_f->form.statusLine(),
             QFileInfo(saved).absoluteFilePath()
                 + QStringLiteral("  (File created in Program Version: ") + Version
                 + QLatin1Char(')'));
    QCOMPARE(m_f->document.isModified(), false);

    // The file as an older version left it.
    QByteArray bytes = readAll(saved);
    bytes.replace(Version.toLatin1(), "2.2.0.0 March 2009");
    {
        QFile file(saved);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // Another scorecard in between, on another page.
    m_f->document.setBasicInformation(QStringLiteral("Other"), QStringLiteral("x"),
                                      QStringLiteral("2011"));
    m_f->document.FillNewScorecard();
    m_f->form.PageControl1->setCurrentWidget(m_f->form.TabSheet3);

    m_f->prompter.openNames << saved;
    m_f->form.Open1->trigger();

    QCOMPARE(m_f->prompter.questions, QStringList{SetUpQuestion});
    QCOMPARE(m_f->form.WSPNameEdit->text(), QStringLiteral("Amberkloof Local Municipality"));
    QCOMPARE(m_f->form.Municipality->text(), QStringLiteral("Amberkloof Local Municipality"));
    QCOMPARE(m_f->form.DateEdit->text(), QStringLiteral("2010"));
    QCOMPARE(m_f->form.PageControl1->isVisible(), true);
    QCOMPARE(m_f->form.PageControl1->currentWidget(), m_f->form.TabSheet1);
    QCOMPARE(selectedRows(m_f->document), (QList<int>{3, 16}));
    QCOMPARE(m_f->document.breakDownGrid().cell(2, 1), QStringLiteral("3"));
    QCOMPARE(m_f->document.breakDownGrid().cell(2, 13), QStringLiteral("2"));
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 1), QStringLiteral("3"));
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 3), QStringLiteral("2"));
    QCOMPARE(m_f->document.scorecardGrid().cell(3, 26), QStringLiteral("5"));
    QCOMPARE(m_f->form.statusLine(),
             QFileInfo(saved).absoluteFilePath()
                 + QStringLiteral("  (File created in Program Version: 2.2.0.0 March 2009)"));
    QCOMPARE(m_f->document.isModified(), false);

    // The restored choice shows as a check mark on the Scorecard page.
    m_f->form.PageControl1->setCurrentWidget(m_f->form.TabSheet3);
    BreakdownTable *grid = m_f->form.BreakDownGrid;
    grid->setTopRow(1);
    QVERIFY(coloursIn(grabGrid(grid), grid->GetBtnRect(2, 3).adjusted(1, 1, -1, -1))
                .contains(fillColour(Fill::Text, grid).name()));
}

void TestMainWindow::openRefusedFile()
{
    m_f->setUpBig();
    m_f->form.PageControl1->setCurrentWidget(m_f->form.TabSheet3);
    chooseOnPage(3);
    m_f->prompter.saveNames << m_dir->filePath(QStringLiteral("good.sc"));
    QVERIFY(m_f->form.Save1Click());
    const QString statusBefore = m_f->form.statusLine();

    // Line 70 is an option state; "on" is no number.
    QList<QByteArray> lines = readAll(m_dir->filePath(QStringLiteral("good.sc"))).split('\n');
    lines[69] = "on\r";
    const QString bad = m_dir->filePath(QStringLiteral("bad.sc"));
    {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join('\n'));
    }
    const QList<int> selectedBefore = selectedRows(m_f->document);
    const Globals globalsBefore = m_f->document.globals();

    m_f->prompter.openNames << bad;
    m_f->form.Open1->trigger();

    QCOMPARE(m_f->prompter.errors.size(), 1);
    QVERIFY2(m_f->prompter.errors.first().contains(QDir::toNativeSeparators(bad))
                 && m_f->prompter.errors.first().contains(QStringLiteral("line 70")),
             qPrintable(m_f->prompter.errors.first()));
    QCOMPARE(m_f->prompter.questions, QStringList());
    QCOMPARE(selectedRows(m_f->document), selectedBefore);
    QVERIFY(m_f->document.globals() == globalsBefore);
    QCOMPARE(m_f->form.statusLine(), statusBefore);
    QCOMPARE(m_f->form.PageControl1->currentWidget(), m_f->form.TabSheet3);
}

void TestMainWindow::openAnsweredNo()
{
    ScorecardFileContents contents = emptyContents(QString::fromLatin1(BigMunicipality));
    contents.optionStates[2 - 1] = OptionSelected;
    m_f->document.applyFile(contents);
    const QString path = m_dir->filePath(QStringLiteral("other.sc"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ScorecardFile::encode(m_f->document));
    }
    m_f->setUpBig();
    m_f->form.PageControl1->setCurrentWidget(m_f->form.TabSheet3);
    chooseOnPage(3);

    m_f->prompter.openNames << path;
    m_f->prompter.confirmAnswers << false;
    m_f->form.Open1->trigger();

    QCOMPARE(m_f->prompter.questions, QStringList{SetUpQuestion});
    QCOMPARE(selectedRows(m_f->document), QList<int>{3});
    QCOMPARE(m_f->form.WSPNameEdit->text(), QStringLiteral("Amberkloof Local Municipality"));
    QCOMPARE(m_f->form.statusLine(), QString());
    QCOMPARE(m_f->form.PageControl1->currentWidget(), m_f->form.TabSheet3);
    QCOMPARE(m_f->document.isModified(), true);
}

void TestMainWindow::closeQuestion_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<Prompter::Answer>>("answers");
    QTest::addColumn<bool>("saveName");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<bool>("fileWritten");

    using A = Prompter::Answer;
    const QStringList asked{CloseQuestion};
    QTest::newRow("no changes: closes without asking")
        << false << QList<A>{} << false << QStringList() << false << false;
    QTest::newRow("changed, Cancel: stays open") << true << QList<A>{A::Cancel} << false << asked
                                                 << true << false;
    QTest::newRow("changed, No: closes unsaved") << true << QList<A>{A::No} << false << asked
                                                 << false << false;
    QTest::newRow("changed, Yes, save dialog cancelled: stays open")
        << true << QList<A>{A::Yes} << false << asked << true << false;
    QTest::newRow("changed, Yes, saved: closes") << true << QList<A>{A::Yes} << true << asked
                                                 << false << true;
}

void TestMainWindow::closeQuestion()
{
    QFETCH(bool, changed);
    QFETCH(QList<Prompter::Answer>, answers);
    QFETCH(bool, saveName);
    QFETCH(QStringList, questions);
    QFETCH(bool, staysOpen);
    QFETCH(bool, fileWritten);

    m_f->setUpBig();
    m_f->form.PageControl1->setCurrentWidget(m_f->form.TabSheet3);
    if (changed)
        chooseOnPage(3);
    m_f->prompter.questions.clear();
    m_f->prompter.yesNoCancelAnswers = answers;
    const QString path = m_dir->filePath(QStringLiteral("closing.sc"));
    if (saveName)
        m_f->prompter.saveNames << path;

    m_f->form.close();

    QCOMPARE(m_f->prompter.questions, questions);
    QCOMPARE(m_f->form.isVisible(), staysOpen);
    QCOMPARE(QFileInfo::exists(path), fileWritten);
    if (fileWritten)
        QVERIFY(readAll(path).contains("\r\n17408\r\n"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
