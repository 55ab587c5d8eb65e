// The about box: a lowered panel with the icon and ten labels, and OK.
#include "about.h"

#include "Credits.h"
#include "Globals.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                 bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setModal(false);
    setFixedSize(298, 218);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    setFont(font);

    auto *Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(7, 7, 283, 167);

    auto *ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/icon.png"))
                               .scaled(57, 57, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    addLabel(Panel1, "ProductName", QStringLiteral("Product Name: "), 77, 16, true);
    addLabel(Panel1, "Label1", QStringLiteral("Quorval"), 170, 16);
    addLabel(Panel1, "Version", QStringLiteral("Version: "), 77, 44, true);
    // "1.0" is only a stand-in; FormShow puts the version in on every opening.
    Label2 = addLabel(Panel1, "Label2", QStringLiteral("1.0"), 170, 44);
    addLabel(Panel1, "CreditHeading", QLatin1String(Credits::AboutCreditHeading), 77, 72, true);
    // The credit column is only 110 pixels wide up to the panel's edge, so
    // the credit wraps onto a second line above the comments.
    QLabel *Label3 = addLabel(Panel1, "Label3", QLatin1String(Credits::AboutCreditLine), 170, 72);
    Label3->setWordWrap(true);
    Label3->setGeometry(170, 72, 108, 30);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel *Comments = addLabel(Panel1, "Comments", QStringLiteral("Comments:"), 8, 104, true);
    Comments->setWordWrap(true);
    addLabel(Panel1, "Label4", QStringLiteral("Technical Support can be directed to "), 88, 104);
    addLabel(Panel1, "Label5", QStringLiteral("the program developers at"), 88, 121);
    addLabel(Panel1, "Label6", QLatin1String(Credits::SupportEmail), 88, 138);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(104, 178, 81, 33);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::FormShow()
{
    Label2->setText(Globals().ProgramVersion);
    Label2->adjustSize();
}

void TAboutBox::OKButtonClick()
{
    hide();
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
    if (!event->spontaneous()) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    OKButton->setFocus();
}
