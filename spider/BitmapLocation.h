// The save-bitmap dialog: the assessor picks a file system, a folder and a
// file name, and the spider diagram is written there as a BMP file.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

class Prompter;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class TBMPForm final : public QWidget
{
    Q_OBJECT

public:
    // Hands out the picture to save, as it is at the moment "Save" is pressed.
    using ImageSource = std::function<QImage()>;

    // A tool window of `owner`, hidden until shown; it starts in the program's
    // working directory and keeps its folder and file name while it lives.
    TBMPForm(QWidget *owner, Prompter &prompter, ImageSource currentImage);

    // The folder the directory list shows, as an absolute path.
    QString directory() const { return m_directory; }
    // Moves the directory list to `path` and re-reads the file list.
    void setDirectory(const QString &path);

    // Writes the picture to the chosen file; hides the dialog when it was written.
    void SaveClick();
    // Holds the client area at 193 x 345.
    void FormResize();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void DriveComboBox1Change(int index);
    void DirectoryListBox1DblClick(QListWidgetItem *item);
    void FileListBox1Change();
    void fillDrives();
    void showDriveOf(const QString &path);
    void readDirectories();
    void readFiles();

    Prompter &m_prompter;
    ImageSource m_currentImage;
    QString m_directory;
    // Last folder visited on each file system, so choosing it again returns there.
    QHash<QString, QString> m_driveDirectories;

    QComboBox *DriveComboBox1;
    QListWidget *DirectoryListBox1;
    QListWidget *FileListBox1;
    QLineEdit *Edit1;
    QPushButton *Save;
};

// Writes `image` to `path` as an uncompressed 24-bit BMP file. On failure the
// file of that name is left as it was and `reason` gets the system's words.
bool writeBitmapFile(const QImage &image, const QString &path, QString *reason);

// Writes `image` in `format` ("BMP", "PNG", ...) whole or not at all; on
// failure `reason` gets the system's reason.
bool writeImageFile(const QImage &image, const QString &path, const char *format,
                    QString *reason);
