// Tests of the save-bitmap dialog: the file-name checks, the written BMP file,
// the error on a folder that cannot take it, and the linked lists.
#include "BitmapLocation.h"
#include "RadarChart.h"
#include "ScriptedPrompter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// The dialog as the main window holds it, browsing a fresh folder.
struct DialogFixture
{
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    QWidget owner;
    QImage picture = renderRadarChart(CategoryScores{2.9, 2.2, 1.0, 1.4},
                                      QStringLiteral("Kleinrivier Water Services"), QLocale::c());
    TBMPForm form{&owner, prompter, [this] { return picture; }};

    DialogFixture()
    {
        form.setDirectory(folder.path());
        form.show();
    }

    QLineEdit *edit() { return form.findChild<QLineEdit *>(QStringLiteral("Edit1")); }
    QListWidget *files() { return form.findChild<QListWidget *>(QStringLiteral("FileListBox1")); }
    QListWidget *directories()
    {
        return form.findChild<QListWidget *>(QStringLiteral("DirectoryListBox1"));
    }
    void typeName(const QString &name)
    {
        edit()->clear();
        QTest::keyClicks(edit(), name);
    }
    void pressSave()
    {
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Save")), Qt::LeftButton);
    }
    QStringList itemTexts(QListWidget *list) const
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->item(i)->text().trimmed());
        return texts;
    }
    QStringList folderContents() const
    {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    void doubleClick(QListWidget *list, const QString &text)
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchEndsWith);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        list->scrollToItem(found.first());
        // A view opens only the item the press of the double click was on.
        const QPoint at = list->visualItemRect(found.first()).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestBitmapLocation final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsInTheWorkingDirectoryWithTheMask();
    void sizeIsHeld();
    void maskAsNameIsRefused();
    void savesA24BitBitmap_data();
    void savesA24BitBitmap();
    void failureKeepsTheDialogOpen_data();
    void failureKeepsTheDialogOpen();
    void listsAreLinked();
    void driveReturnsToItsLastFolder();
};

void TestBitmapLocation::startsInTheWorkingDirectoryWithTheMask()
{
    ScriptedPrompter prompter;
    QWidget owner;
    TBMPForm form(&owner, prompter, [] { return QImage(); });
    QCOMPARE(form.windowTitle(), QStringLiteral("Save Bitmap"));
    QCOMPARE(form.directory(), QDir::currentPath());
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), QStringLiteral("*.bmp"));
    QCOMPARE(form.isVisible(), false);
    QCOMPARE(form.parentWidget(), &owner);
}

void TestBitmapLocation::sizeIsHeld()
{
    DialogFixture f;
    QCOMPARE(f.form.size(), QSize(193, 345));
    f.form.resize(400, 200);
    QCOMPARE(f.form.size(), QSize(193, 345));
}

void TestBitmapLocation::maskAsNameIsRefused()
{
    DialogFixture f;
    f.pressSave();
    QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("Please enter a file name")});
    QCOMPARE(f.prompter.errors, QStringList());
    QCOMPARE(f.folderContents(), QStringList());
    QCOMPARE(f.form.isVisible(), true);
}

void TestBitmapLocation::savesA24BitBitmap_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("existing");

    QTest::newRow("name typed without extension is used as it is")
        << QStringLiteral("diagram") << false;
    QTest::newRow("name typed with extension") << QStringLiteral("spider chart.bmp") << false;
    QTest::newRow("existing file chosen in the list is overwritten without a question")
        << QStringLiteral("old.bmp") << true;
}

void TestBitmapLocation::savesA24BitBitmap()
{
    QFETCH(QString, name);
    QFETCH(bool, existing);

    DialogFixture f;
    const QString path = f.folder.filePath(name);
    if (existing) {
        QVERIFY(writeFile(path, QByteArrayLiteral("an older file, longer than nothing")));
        f.form.setDirectory(f.folder.path());
        const QList<QListWidgetItem *> item = f.files()->findItems(name, Qt::MatchExactly);
        QCOMPARE(item.size(), 1);
        f.files()->setCurrentItem(item.first());
        QCOMPARE(f.edit()->text(), name);
    } else {
        f.typeName(name);
    }
    f.pressSave();

    QCOMPARE(f.prompter.messages, QStringList());
    QCOMPARE(f.prompter.errors, QStringList());
    QCOMPARE(f.prompter.questions, QStringList());
    QCOMPARE(f.form.isVisible(), false);
    QCOMPARE(f.folderContents(), QStringList{name});

    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.size() > 54);
    QCOMPARE(bytes.left(2), QByteArrayLiteral("BM"));
    const auto le32 = [&](int offset) {
        return qFromLittleEndian<qint32>(bytes.constData() + offset);
    };
    const auto le16 = [&](int offset) {
        return qFromLittleEndian<quint16>(bytes.constData() + offset);
    };
    QCOMPARE(le32(2), qint32(bytes.size()));
    QCOMPARE(le32(18), 500); // width
    QCOMPARE(le32(22), 500); // height, positive: rows bottom-up
    QCOMPARE(le16(28), quint16(24));
    QCOMPARE(le32(30), 0); // no compression

    QImage written;
    QVERIFY(written.load(path, "BMP"));
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), f.picture);

    // Opened again, the dialog shows the same folder and the last name.
    f.form.show();
    QCOMPARE(f.form.directory(), QDir(f.folder.path()).absolutePath());
    QCOMPARE(f.edit()->text(), name);
}

void TestBitmapLocation::failureKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reasonPart");

    QTest::newRow("missing folder") << QStringLiteral("missing/diagram.bmp") << QString();
    QTest::newRow("empty name names the folder itself") << QString() << QString();
    QTest::newRow("mask typed in capitals")
        << QStringLiteral("*.BMP") << QStringLiteral("cannot contain");
}

void TestBitmapLocation::failureKeepsTheDialogOpen()
{
    QFETCH(QString, name);
    QFETCH(QString, reasonPart);

    DialogFixture f;
    f.typeName(name);
    f.pressSave();

    const QString path = QDir(f.folder.path()).absolutePath() + QLatin1Char('/') + name;
    const QString prefix = QStringLiteral("Cannot create file \"%1\". ").arg(path);
    QCOMPARE(f.prompter.errors.size(), 1);
    const QString error = f.prompter.errors.first();
    QVERIFY2(error.startsWith(prefix), qPrintable(error));
    QVERIFY2(error.size() > prefix.size(), "no reason given");
    QVERIFY2(error.contains(reasonPart), qPrintable(error));
    QCOMPARE(f.prompter.messages, QStringList());
    QCOMPARE(f.form.isVisible(), true);
    QCOMPARE(f.edit()->text(), name);
    QCOMPARE(f.folderContents(), QStringList());
}

void TestBitmapLocation::listsAreLinked()
{
    DialogFixture f;
    const QDir folder(f.folder.path());
    for (const char *file : {"b.bmp", "a.bmp", "C.BMP", "notes.txt", "sub/inner.bmp"}) {
        folder.mkpath(QFileInfo(folder.filePath(QLatin1String(file))).path());
        QVERIFY(writeFile(folder.filePath(QLatin1String(file)), "x"));
    }
    QVERIFY(folder.mkdir(QStringLiteral("folder.bmp")));
    f.form.setDirectory(folder.path());

    // Files only, by the mask, sorted by name.
    QCOMPARE(f.itemTexts(f.files()), (QStringList{QStringLiteral("a.bmp"), QStringLiteral("b.bmp"),
                                                  QStringLiteral("C.BMP")}));
    QCOMPARE(f.edit()->text(), QStringLiteral("*.bmp"));

    f.files()->setCurrentRow(1);
    QCOMPARE(f.edit()->text(), QStringLiteral("b.bmp"));
    QCOMPARE(f.edit()->selectedText(), QStringLiteral("b.bmp"));

    // Entering a folder re-reads the files and drops the typed name.
    f.typeName(QStringLiteral("typed"));
    f.doubleClick(f.directories(), QStringLiteral("sub"));
    QCOMPARE(f.form.directory(), folder.filePath(QStringLiteral("sub")));
    QCOMPARE(f.itemTexts(f.files()), QStringList{QStringLiteral("inner.bmp")});
    QCOMPARE(f.edit()->text(), QStringLiteral("*.bmp"));
    QVERIFY(f.itemTexts(f.directories()).contains(QStringLiteral("sub")));

    // The folder's own line above leads back up.
    f.doubleClick(f.directories(), folder.dirName());
    QCOMPARE(f.form.directory(), folder.absolutePath());
    QCOMPARE(f.itemTexts(f.files()).size(), 3);
}

void TestBitmapLocation::driveReturnsToItsLastFolder()
{
    DialogFixture f;
    auto *drives = f.form.findChild<QComboBox *>(QStringLiteral("DriveComboBox1"));
    QVERIFY(drives->findData(QStringLiteral("/")) >= 0);
    const QString root = drives->currentData().toString();
    QVERIFY2(f.form.directory().startsWith(root), qPrintable(root));

    const QString sub = QDir(f.folder.path()).filePath(QStringLiteral("sub"));
    QVERIFY(QDir().mkpath(sub));
    f.form.setDirectory(sub);
    Q_EMIT drives->activated(drives->currentIndex());
    QCOMPARE(f.form.directory(), sub);
    QCOMPARE(drives->currentData().toString(), root);
}

QTEST_MAIN(TestBitmapLocation)
#include "tst_bitmaplocation.moc"
