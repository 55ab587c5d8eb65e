// The save-bitmap dialog: linked file-system, folder and file lists, the
// file-name box and the writing of the diagram as a 24-bit BMP file.
#include "BitmapLocation.h"

#include "Prompter.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>

namespace {

const QString FileMask = QStringLiteral("*.bmp");
constexpr QSize ClientSize(193, 345);
constexpr int DirectoryItemHeight = 16;
constexpr int FileItemHeight = 13;

// Whether `path` is `root` itself or lies below it.
bool isUnder(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

// The places worth offering on a system without drive letters: the root file
// system, the home folder and removable media.
QStringList driveRoots()
{
    QStringList roots{QStringLiteral("/"), QDir::homePath()};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        if (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/")) ||
            root.startsWith(QLatin1String("/run/media/")))
            roots.append(root);
    }
    roots.removeDuplicates();
    return roots;
}

QListWidgetItem *addItem(QListWidget *list, const QString &text, int height)
{
    auto *item = new QListWidgetItem(text, list);
    item->setSizeHint(QSize(list->fontMetrics().horizontalAdvance(text) + 2 * height, height));
    return item;
}

} // namespace

TBMPForm::TBMPForm(QWidget *owner, Prompter &prompter, ImageSource currentImage)
    : QWidget(owner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_prompter(prompter), m_currentImage(std::move(currentImage)),
      DriveComboBox1(new QComboBox(this)), DirectoryListBox1(new QListWidget(this)),
      FileListBox1(new QListWidget(this)), Edit1(new QLineEdit(FileMask, this)),
      Save(new QPushButton(QStringLiteral("Save"), this))
{
    setWindowTitle(QStringLiteral("Save Bitmap"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(ClientSize);
    move(0, 0);

    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Save->setObjectName(QStringLiteral("Save"));

    DriveComboBox1->setGeometry(24, 8, 145, 19);
    DirectoryListBox1->setGeometry(24, 33, 145, 114);
    FileListBox1->setGeometry(24, 153, 145, 80);
    Edit1->setGeometry(24, 239, 145, 21);
    Save->setGeometry(48, 266, 75, 25);
    DirectoryListBox1->setIconSize(QSize(DirectoryItemHeight - 2, DirectoryItemHeight - 2));

    fillDrives();

    connect(DriveComboBox1, &QComboBox::activated, this, &TBMPForm::DriveComboBox1Change);
    connect(DirectoryListBox1, &QListWidget::itemActivated, this,
            &TBMPForm::DirectoryListBox1DblClick);
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, &TBMPForm::FileListBox1Change);
    connect(Save, &QPushButton::clicked, this, &TBMPForm::SaveClick);

    setDirectory(QDir::currentPath());
}

void TBMPForm::setDirectory(const QString &path)
{
    m_directory = QDir::cleanPath(QDir(path).absolutePath());
    showDriveOf(m_directory);
    readDirectories();
    readFiles();
}

void TBMPForm::SaveClick()
{
    const QString name = Edit1->text();
    if (name == FileMask) {
        m_prompter.message(QStringLiteral("Please enter a file name"));
        return;
    }
    // Joined as they are: at the root this gives "//name", which still works.
    const QString path = m_directory + QLatin1Char('/') + name;
    QString reason;
    bool written = false;
    // Wildcards are what is left of an edited mask, never a name the assessor
    // means; other systems refuse them in file names too.
    if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')))
        reason = QStringLiteral("A file name cannot contain * or ?.");
    else
        written = writeBitmapFile(m_currentImage ? m_currentImage() : QImage(), path, &reason);
    if (!written) {
        m_prompter.error(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
        return;
    }

    // Show the new file in the list, keeping the name for the next opening.
    readFiles();
    const QList<QListWidgetItem *> listed = FileListBox1->findItems(name, Qt::MatchExactly);
    if (!listed.isEmpty())
        FileListBox1->setCurrentItem(listed.first());
    Edit1->setText(name);
    hide();
}

void TBMPForm::FormResize()
{
    // A window manager may ignore the fixed size; put the dialog back.
    if (size() != ClientSize)
        resize(ClientSize);
}

void TBMPForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TBMPForm::DriveComboBox1Change(int index)
{
    const QString root = DriveComboBox1->itemData(index).toString();
    setDirectory(m_driveDirectories.value(root, root));
}

void TBMPForm::DirectoryListBox1DblClick(QListWidgetItem *item)
{
    if (item)
        setDirectory(item->data(Qt::UserRole).toString());
}

void TBMPForm::FileListBox1Change()
{
    const QList<QListWidgetItem *> selected = FileListBox1->selectedItems();
    if (selected.isEmpty()) {
        Edit1->setText(FileMask);
        return;
    }
    Edit1->setText(selected.first()->text());
    Edit1->selectAll();
}

void TBMPForm::fillDrives()
{
    for (const QString &root : driveRoots()) {
        DriveComboBox1->addItem(QDir::toNativeSeparators(root), root);
        m_driveDirectories.insert(root, root);
    }
}

void TBMPForm::showDriveOf(const QString &path)
{
    // The file system a folder lies on is the longest root that holds it.
    int best = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString root = DriveComboBox1->itemData(i).toString();
        if (isUnder(path, root) &&
            (best < 0 || root.size() > DriveComboBox1->itemData(best).toString().size()))
            best = i;
    }
    if (best < 0)
        return;
    const QSignalBlocker blocker(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(best);
    m_driveDirectories.insert(DriveComboBox1->itemData(best).toString(), path);
}

void TBMPForm::readDirectories()
{
    DirectoryListBox1->clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The path from the root down to the current folder, one indented line per
    // level, then the current folder's subfolders one level deeper.
    QStringList chain;
    for (QDir dir(m_directory);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    int depth = 0;
    QListWidgetItem *current = nullptr;
    for (const QString &folder : std::as_const(chain)) {
        const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
        current = addItem(DirectoryListBox1, QString(depth * 2, QLatin1Char(' ')) + name,
                          DirectoryItemHeight);
        current->setIcon(openIcon);
        current->setData(Qt::UserRole, folder);
        ++depth;
    }
    const QDir dir(m_directory);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders) {
        QListWidgetItem *item = addItem(
            DirectoryListBox1, QString(depth * 2, QLatin1Char(' ')) + name, DirectoryItemHeight);
        item->setIcon(closedIcon);
        item->setData(Qt::UserRole, dir.absoluteFilePath(name));
    }
    DirectoryListBox1->setCurrentItem(current);
}

void TBMPForm::readFiles()
{
    {
        const QSignalBlocker blocker(FileListBox1);
        FileListBox1->clear();
        const QStringList files =
            QDir(m_directory)
                .entryList(QStringList{FileMask}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QString &name : files)
            addItem(FileListBox1, name, FileItemHeight);
    }
    // A fresh list has no selection, so the box shows the mask again.
    FileListBox1Change();
}

bool writeImageFile(const QImage &image, const QString &path, const char *format,
                    QString *reason)
{
    if (image.isNull()) {
        *reason = QStringLiteral("There is no picture to save.");
        return false;
    }
    // Written beside the target and renamed over it once complete, so a failed
    // save never leaves half a file or harms the one it would replace.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    if (!image.save(&file, format)) {
        *reason = file.error() != QFileDevice::NoError
                      ? file.errorString()
                      : QStringLiteral("The picture could not be written.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

bool writeBitmapFile(const QImage &image, const QString &path, QString *reason)
{
    // Three bytes a pixel hold the diagram's colours exactly; Qt writes an
    // uncompressed 24-bit file from this format.
    return writeImageFile(image.isNull() ? image : image.convertToFormat(QImage::Format_RGB888),
                          path, "BMP", reason);
}
