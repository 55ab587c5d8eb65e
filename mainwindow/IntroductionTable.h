// The Introduction page's table: the items' numbers and descriptions.
#pragma once

#include "StringGrid.h"

#include <QFont>

class ScorecardDocument;

class IntroductionTable final : public StringGrid
{
    Q_OBJECT

public:
    IntroductionTable(const ScorecardDocument &document, QWidget *parent);

protected:
    void drawCell(QPainter &painter, int column, int row, const QRect &rect) override;

private:
    void EvaluationGridDrawCell(QPainter &painter, int column, int row, const QRect &rect);

    QFont m_font;
};
