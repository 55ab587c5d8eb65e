// The image holder (unit ImageUnit): a window that is never shown and keeps
// the commissioning body's logo for the printed report.
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

class TImageForm final : public QWidget
{
    Q_OBJECT

public:
    explicit TImageForm(QWidget *owner);

    // The picture of Image2, the logo the report draws (126 x 259, portrait).
    QImage reportLogo() const { return m_reportLogo; }

private:
    QImage m_reportLogo;
    QLabel *Image2;
    QLabel *Image1;
};
