// The program as it starts: seven windows in their order under the main
// window, the splash screen in front, and the ways from one window to the next.
#include "BreakdownTable.h"
#include "ProgramWindows.h"
#include "QuorvalResources.h"

#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestProgramWindows final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { initQuorvalResources(); }
    void startsWithSplashInFrontOfMainWindow();
    void windowsAreCreatedInOrderUnderTheMainWindow();
    void splashLeadsToBasicInformationAgainAndAgain();
    void menuCommandsShowTheirWindows();
    void keysForAControlStayThere();
};

void TestProgramWindows::startsWithSplashInFrontOfMainWindow()
{
    ProgramWindows windows;
    windows.show();
    QVERIFY(windows.ScorecardForm.isVisible());
    QVERIFY(windows.StartUp.isVisible());
    QVERIFY(!windows.ScorecardForm.PageControl1->isVisible());
    QCOMPARE(windows.StartUp.windowTitle(), QStringLiteral("Quorval Version: 2.3.1.1 August 2010"));
    QVERIFY(windows.ScorecardForm.windowTitle().startsWith(
        QStringLiteral("Quorval Version: 2.3.1.1 August 2010 ")));
    for (QWidget *hidden : std::initializer_list<QWidget *>{
             &windows.AboutBox, &windows.EditConfiguration, &windows.PrintOptions,
             &windows.ImageForm, &windows.BMPForm})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->metaObject()->className()));

    QStringList menus;
    for (QAction *action : windows.ScorecardForm.menuBar()->actions())
        menus.append(action->text());
    QCOMPARE(menus, (QStringList{QStringLiteral("File"), QStringLiteral("About")}));
}

void TestProgramWindows::windowsAreCreatedInOrderUnderTheMainWindow()
{
    ProgramWindows windows;
    // Windows owned by the main window are its children in creation order.
    QStringList owned;
    for (QObject *child : windows.ScorecardForm.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->isWindow())
            owned.append(QLatin1String(widget->metaObject()->className()));
    }
    QCOMPARE(owned, (QStringList{QStringLiteral("TStartUp"), QStringLiteral("TAboutBox"),
                                 QStringLiteral("TEditConfiguration"),
                                 QStringLiteral("TPrintOptions"), QStringLiteral("TImageForm"),
                                 QStringLiteral("TBMPForm")}));
}

void TestProgramWindows::splashLeadsToBasicInformationAgainAndAgain()
{
    ProgramWindows windows;
    windows.show();
    QTest::keyClick(&windows.StartUp, Qt::Key_A);
    QVERIFY(!windows.StartUp.isVisible());
    QVERIFY(windows.EditConfiguration.isVisible());

    // Closed with its close box, the dialog comes back at a key typed into the
    // main window while no scorecard exists yet.
    windows.EditConfiguration.close();
    QVERIFY(!windows.EditConfiguration.isVisible());
    QTest::keyClick(&windows.ScorecardForm, Qt::Key_B);
    QVERIFY(windows.EditConfiguration.isVisible());
    QVERIFY(!windows.StartUp.isVisible());
}

void TestProgramWindows::menuCommandsShowTheirWindows()
{
    ProgramWindows windows;
    windows.show();
    windows.ScorecardForm.New1->trigger();
    QVERIFY(windows.EditConfiguration.isVisible());
    windows.ScorecardForm.About1->trigger();
    QVERIFY(windows.AboutBox.isVisible());
    windows.ScorecardForm.Print1->trigger();
    QVERIFY(windows.PrintOptions.isVisible());
    windows.ScorecardForm.Save->click();
    QVERIFY(windows.BMPForm.isVisible());

    // Showing the same window twice keeps the one window.
    windows.ScorecardForm.About1->trigger();
    QCOMPARE(windows.ScorecardForm.findChildren<TAboutBox *>().size(), 1);
    QVERIFY(windows.ScorecardForm.isEnabled());
}

void TestProgramWindows::keysForAControlStayThere()
{
    ProgramWindows windows;
    windows.show();
    windows.StartUp.requestClose();
    windows.EditConfiguration.hide();
    windows.document.setScorecardVariant(QStringLiteral("BigMunicipality"));
    windows.document.FillNewScorecard();
    TScorecardForm &form = windows.ScorecardForm;
    form.PageControl1->setCurrentWidget(form.TabSheet3);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.BreakDownGrid->setFocus();
    QCOMPARE(form.focusWidget(), static_cast<QWidget *>(form.BreakDownGrid));

    // The breakdown table has no use for a letter; it is not taken as a key
    // for the window, which would bring up the basic-information dialog.
    QTest::keyClick(form.BreakDownGrid, Qt::Key_A);
    QVERIFY(!windows.EditConfiguration.isVisible());
}

QTEST_MAIN(TestProgramWindows)
#include "tst_programwindows.moc"
