// The image holder: two copies of the report logo, of which the report uses
// Image2's.
#include "ImageUnit.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

TImageForm::TImageForm(QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_reportLogo(QStringLiteral(":/report-logo.jpg"))
{
    setObjectName(QStringLiteral("ImageForm"));
    setWindowTitle(QStringLiteral("ImageForm"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(715, 272);

    const QPixmap picture = QPixmap::fromImage(m_reportLogo);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(32, 7, 129, 257);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2->setPixmap(picture);

    auto *Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(320, 8, 129, 256);
    Panel1->setAutoFillBackground(true);
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(palette);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 129, 257);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(picture);
}
