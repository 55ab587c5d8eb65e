// The splash screen: picture, the two blue labels and the close behaviour.
#include "StartUpScreen.h"

#include "Globals.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

namespace {

// Client area: one pixel wider than the 800 x 475 picture, which is aligned
// to the top-left corner.
constexpr int ClientWidth = 801;
constexpr int ClientHeight = 475;

// The labels stand on the calm white panel of the artwork, right of the title.
QFont labelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(19);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QLabel *makeBlueLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(labelFont());
    // Colour value 0xFF0000 in BGR notation, i.e. pure blue.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    return label;
}

} // namespace

TStartUp::TStartUp(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("StartUp"));
    // Hiding the splash must never count as the last window closing.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(ClientWidth, ClientHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QStringLiteral(":/splash.jpg")));
    Image1->installEventFilter(this);

    Label2 = makeBlueLabel(this, "Label2", QStringLiteral("Press any key to continue........"));
    Label2->setGeometry(474, 87, 299, 24);

    LblVersion = makeBlueLabel(this, "LblVersion", QStringLiteral("Version Label"));
    LblVersion->setGeometry(466, 118, 141, 24);

    FormCreate();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The splash is visible from its creation on.
    show();
}

void TStartUp::requestClose()
{
    // Runs FormClose directly rather than through close(), so a request after
    // the splash is gone still leads to the basic-information dialog.
    FormClose();
}

void TStartUp::FormCreate()
{
    LblVersion->setText(QStringLiteral("Version ") + Globals().ProgramVersion);
    // The label grows with its text; 141 pixels is only its minimum width.
    LblVersion->resize(qMax(141, LblVersion->sizeHint().width()), 24);
}

void TStartUp::FormShow()
{
    setWindowTitle(QStringLiteral("Quorval Version: ") + Globals().ProgramVersion);
}

void TStartUp::FormKeyPress()
{
    requestClose();
}

void TStartUp::Image1Click()
{
    requestClose();
}

void TStartUp::FormClose()
{
    hide();
    Q_EMIT closed();
}

void TStartUp::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TStartUp::keyPressEvent(QKeyEvent *event)
{
    // Only keys that produce a character count; Shift, arrows and function
    // keys leave the splash up.
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    FormKeyPress();
}

void TStartUp::closeEvent(QCloseEvent *event)
{
    // Only the window manager gets here (the title bar has no close box).
    // FormClose hides the window itself, so the event is not accepted.
    event->ignore();
    FormClose();
}

bool TStartUp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Image1->rect().contains(mouse->position().toPoint())) {
            Image1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
