// A page sink for tests that records what the report draws on each page
// (texts, filled and outlined rectangles, lines, pictures) at a chosen
// resolution, without rasterising anything.
#pragma once

#include "PageSink.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <memory>

struct RecordedText
{
    QPointF baseline;
    QString text;
    QColor colour;
    QFont font;
    bool clipped = false;
    QRectF clip;
};

struct RecordedRect
{
    QRectF rect;
    QColor colour; // fill colour or outline colour
};

struct RecordedPage
{
    // Every drawing call in order, as an index into the lists below, so a test
    // can tell what was drawn over what.
    QList<RecordedText> texts;
    QList<RecordedRect> fills;
    QList<RecordedRect> outlines;
    QList<QLineF> lines;
    QList<QRectF> images;
    QStringList order; // "text:<text>", "fill", "outline", "line", "image"

    // The first text equal to `text`, or nullptr.
    const RecordedText *findText(const QString &text) const;
    bool hasText(const QString &text) const { return findText(text) != nullptr; }
};

class RecordingEngine;

class RecordingPageSink final : public PageSink
{
public:
    RecordingPageSink(int dpiX, int dpiY);
    ~RecordingPageSink() override;

    QPainter &painter() override { return m_painter; }
    int dpiX() const override { return m_dpiX; }
    int dpiY() const override { return m_dpiY; }
    bool newPage() override;

    const QList<RecordedPage> &pages() const;
    // Ends the painter; later drawing is lost.
    void finish();

private:
    class Device;
    int m_dpiX;
    int m_dpiY;
    std::unique_ptr<RecordingEngine> m_engine;
    std::unique_ptr<Device> m_device;
    QPainter m_painter;
};
