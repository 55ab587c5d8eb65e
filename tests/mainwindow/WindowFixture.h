// A main window over a fresh scorecard document and a scripted prompter, with
// the helpers the page tests share: scorecards made from file contents, the
// colours a grid shows and presses on its cells.
#pragma once

#include "MainUnit.h"
#include "ScorecardDocument.h"
#include "ScorecardFileContents.h"
#include "ScriptedPrompter.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

class StringGrid;

// Fills a user tells apart on screen; ButtonFace and Text come from the grid's
// palette, the others are the points colour scale.
enum class Fill { ButtonFace, Text, White, LightYellow, Yellow, Orange, Red };

QColor fillColour(Fill fill, const StringGrid *grid);

struct WindowFixture
{
    WindowFixture();

    // A "BigMunicipality" scorecard as the basic-information dialog sets it up.
    void setUpBig();

    ScorecardDocument document;
    ScriptedPrompter prompter;
    TScorecardForm form{document, prompter};
};

// File contents of a scorecard of `variant` with every option unselected and
// "0" points; the caller lays its own values over them.
ScorecardFileContents emptyContents(const QString &variant);

// What the grid's viewport shows now.
QImage grabGrid(StringGrid *grid);
// A point inside a cell, 2 pixels in from its bottom-right corner: clear of
// the text, which starts at the top, and of the grid lines.
QPoint cellCorner(const StringGrid *grid, int column, int row);
// The distinct colours inside a rectangle of an image, by name, sorted.
QStringList coloursIn(const QImage &image, const QRect &rect);
// How close the nearest pixel of a rectangle comes to `colour`: the largest
// channel difference, 0 for an exact match.
int nearestDistance(const QImage &image, const QRect &rect, const QColor &colour);
// A left press at a viewport point of the grid, as the mouse gives it.
void pressAt(StringGrid *grid, const QPoint &pos);
// Lines `text` takes when wrapped at word boundaries to `width` in `font`,
// counted apart from the grid's own measuring.
int wrappedLines(const QString &text, const QFont &font, int width);
// Rows of the breakdown table whose option state is OptionSelected.
QList<int> selectedRows(const ScorecardDocument &document);
