// Tests of the splash screen, the about box, the image holder and the file
// filter conversion of the real prompter.
#include "ImageUnit.h"
#include "MessageBoxPrompter.h"
#include "QuorvalResources.h"
#include "StartUpScreen.h"
#include "about.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestStartUpWindows final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void splashShowsVersionAtStart();
    void splashDismissal_data();
    void splashDismissal();
    void splashCloseRequestWhileHidden();

    void aboutBoxShowsProgramVersion();

    void imageHolderKeepsReportLogo();

    void qtFilter_data();
    void qtFilter();
};

void TestStartUpWindows::initTestCase()
{
    initQuorvalResources();
}

void TestStartUpWindows::splashShowsVersionAtStart()
{
    QWidget mainWindow;
    TStartUp splash(&mainWindow);

    QVERIFY(splash.isVisible());
    QCOMPARE(splash.windowTitle(), QStringLiteral("Quorval Version: 2.3.1.1 August 2010"));
    auto *version = splash.findChild<QLabel *>(QStringLiteral("LblVersion"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version 2.3.1.1 August 2010"));
    // The label grows with its text: nothing of the version may be cut off.
    QVERIFY2(version->width() >= version->sizeHint().width(),
             qPrintable(QStringLiteral("%1 < %2").arg(version->width()).arg(version->sizeHint().width())));

    // Without the registered resources the splash would be an empty grey box.
    auto *picture = splash.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().size(), QSize(800, 475));
}

enum class Dismissal { Click, CharacterKey, EnterKey, ShiftKey, FunctionKey };
Q_DECLARE_METATYPE(Dismissal)

void TestStartUpWindows::splashDismissal_data()
{
    QTest::addColumn<Dismissal>("dismissal");
    QTest::addColumn<bool>("closes");

    QTest::newRow("click on the picture") << Dismissal::Click << true;
    QTest::newRow("letter key") << Dismissal::CharacterKey << true;
    QTest::newRow("Enter produces a character") << Dismissal::EnterKey << true;
    QTest::newRow("Shift alone produces none") << Dismissal::ShiftKey << false;
    QTest::newRow("F5 produces none") << Dismissal::FunctionKey << false;
}

void TestStartUpWindows::splashDismissal()
{
    QFETCH(Dismissal, dismissal);
    QFETCH(bool, closes);

    QWidget mainWindow;
    TStartUp splash(&mainWindow);
    QSignalSpy closed(&splash, &TStartUp::closed);

    switch (dismissal) {
    case Dismissal::Click:
        QTest::mouseClick(splash.findChild<QLabel *>(QStringLiteral("Image1")), Qt::LeftButton,
                          Qt::NoModifier, QPoint(120, 300));
        break;
    case Dismissal::CharacterKey:
        QTest::keyClick(&splash, Qt::Key_X);
        break;
    case Dismissal::EnterKey:
        QTest::keyClick(&splash, Qt::Key_Return);
        break;
    case Dismissal::ShiftKey:
        QTest::keyClick(&splash, Qt::Key_Shift);
        break;
    case Dismissal::FunctionKey:
        QTest::keyClick(&splash, Qt::Key_F5);
        break;
    }

    QCOMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(splash.isVisible(), !closes);
}

void TestStartUpWindows::splashCloseRequestWhileHidden()
{
    // The main window's key handler asks again after the splash is gone; each
    // request must lead to the basic-information dialog again.
    QWidget mainWindow;
    TStartUp splash(&mainWindow);
    QSignalSpy closed(&splash, &TStartUp::closed);

    QTest::keyClick(&splash, Qt::Key_Space);
    QCOMPARE(closed.count(), 1);
    splash.requestClose();
    splash.requestClose();
    QCOMPARE(closed.count(), 3);
    QCOMPARE(splash.isVisible(), false);

    // The window manager's close (Alt+F4) hides it the same way.
    splash.show();
    QCOMPARE(splash.close(), false);
    QCOMPARE(closed.count(), 4);
    QCOMPARE(splash.isVisible(), false);
}

void TestStartUpWindows::aboutBoxShowsProgramVersion()
{
    QWidget mainWindow;
    TAboutBox about(&mainWindow);
    QCOMPARE(about.isVisible(), false);
    auto *version = about.findChild<QLabel *>(QStringLiteral("Label2"));
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("OKButton"));
    QVERIFY(version);
    QVERIFY(ok);

    about.show();
    QCOMPARE(version->text(), QStringLiteral("2.3.1.1 August 2010"));
    QVERIFY(ok->isDefault());
    QCOMPARE(about.focusWidget(), ok);
    // Not modal: the main window stays usable while the box is open.
    QCOMPARE(about.isModal(), false);

    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(about.isVisible(), false);

    // Shown again, the same box comes back with the version still in place.
    about.show();
    QCOMPARE(about.isVisible(), true);
    QCOMPARE(version->text(), QStringLiteral("2.3.1.1 August 2010"));

    auto *icon = about.findChild<QLabel *>(QStringLiteral("ProgramIcon"));
    QVERIFY(icon);
    QVERIFY(!icon->pixmap().isNull());
}

void TestStartUpWindows::imageHolderKeepsReportLogo()
{
    QWidget mainWindow;
    TImageForm imageForm(&mainWindow);
    QCOMPARE(imageForm.isVisible(), false);
    QCOMPARE(imageForm.windowTitle(), QStringLiteral("ImageForm"));
    // The report stretches this picture into a box 0.65 x 1.3 inches, so it
    // must be the portrait logo, not a blank image.
    const QImage logo = imageForm.reportLogo();
    QCOMPARE(logo.size(), QSize(126, 259));
    QVERIFY(logo.pixelColor(63, 80) != QColor(Qt::white));
}

void TestStartUpWindows::qtFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qtFilter");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("scorecard file") << QStringLiteral("Quorval File (*.sc)|*.sc")
                                    << QStringLiteral("Quorval File (*.sc)") << QStringLiteral("sc");
    QTest::newRow("description without pattern")
        << QStringLiteral("Bitmaps|*.bmp") << QStringLiteral("Bitmaps (*.bmp)") << QStringLiteral("bmp");
    QTest::newRow("two filters, first gives the suffix")
        << QStringLiteral("Quorval File (*.sc)|*.sc|All files (*.*)|*.*")
        << QStringLiteral("Quorval File (*.sc);;All files (*.*)") << QStringLiteral("sc");
    QTest::newRow("several patterns in one filter")
        << QStringLiteral("Pictures|*.jpg;*.jpeg") << QStringLiteral("Pictures (*.jpg *.jpeg)")
        << QStringLiteral("jpg");
    QTest::newRow("any file adds no suffix")
        << QStringLiteral("All files (*.*)|*.*") << QStringLiteral("All files (*.*)") << QString();
}

void TestStartUpWindows::qtFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, qtFilter);
    QFETCH(QString, suffix);

    QCOMPARE(MessageBoxPrompter::toQtFilter(filter), qtFilter);
    QCOMPARE(MessageBoxPrompter::defaultSuffix(filter), suffix);
}

QTEST_MAIN(TestStartUpWindows)
#include "tst_startupwindows.moc"
