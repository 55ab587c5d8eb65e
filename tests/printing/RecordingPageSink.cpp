// Recording paint engine and device behind RecordingPageSink.
#include "RecordingPageSink.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>

#include <climits>

const RecordedText *RecordedPage::findText(const QString &text) const
{
    for (const RecordedText &t : texts) {
        if (t.text == text)
            return &t;
    }
    return nullptr;
}

class RecordingEngine final : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) { pages.append(RecordedPage()); }

    QList<RecordedPage> pages;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyPen)
            m_pen = state.pen();
        if (flags & DirtyBrush)
            m_brush = state.brush();
        if (flags & DirtyClipRegion) {
            m_clip = state.clipRegion().boundingRect();
            m_clipped = state.clipOperation() != Qt::NoClip;
        }
        if (flags & DirtyClipPath) {
            m_clip = state.clipPath().boundingRect();
            m_clipped = state.clipOperation() != Qt::NoClip;
        }
        if (flags & DirtyClipEnabled)
            m_clipped = state.isClipEnabled();
    }

    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            recordRect(QRectF(rects[i]));
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            recordRect(rects[i]);
    }
    void drawLines(const QLine *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            recordLine(QLineF(lines[i]));
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            recordLine(lines[i]);
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        page().texts.append({p, item.text(), m_pen.color(), item.font(), m_clipped, m_clip});
        page().order.append(QStringLiteral("text:") + item.text());
    }
    void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override
    {
        recordImage(r);
    }
    void drawImage(const QRectF &r, const QImage &, const QRectF &,
                   Qt::ImageConversionFlags) override
    {
        recordImage(r);
    }
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}

private:
    RecordedPage &page() { return pages.last(); }

    void recordRect(const QRectF &r)
    {
        if (m_brush.style() != Qt::NoBrush) {
            page().fills.append({r, m_brush.color()});
            page().order.append(QStringLiteral("fill"));
        }
        if (m_pen.style() != Qt::NoPen) {
            page().outlines.append({r, m_pen.color()});
            page().order.append(QStringLiteral("outline"));
        }
    }
    void recordLine(const QLineF &line)
    {
        page().lines.append(line);
        page().order.append(QStringLiteral("line"));
    }
    void recordImage(const QRectF &r)
    {
        page().images.append(r);
        page().order.append(QStringLiteral("image"));
    }

    QPen m_pen;
    QBrush m_brush;
    QRectF m_clip;
    bool m_clipped = false;
};

// An A4-sized device at the sink's resolution; its logical resolution is the
// one fonts are sized for, as on a printer.
class RecordingPageSink::Device final : public QPaintDevice
{
public:
    Device(RecordingEngine *engine, int dpiX, int dpiY)
        : m_engine(engine), m_dpiX(dpiX), m_dpiY(dpiY)
    {
    }
    ~Device() override = default;

    QPaintEngine *paintEngine() const override { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return int(8.27 * m_dpiX);
        case PdmHeight:
            return int(11.69 * m_dpiY);
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return m_dpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return m_dpiY;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    RecordingEngine *m_engine;
    int m_dpiX;
    int m_dpiY;
};

RecordingPageSink::RecordingPageSink(int dpiX, int dpiY)
    : m_dpiX(dpiX), m_dpiY(dpiY), m_engine(std::make_unique<RecordingEngine>()),
      m_device(std::make_unique<Device>(m_engine.get(), dpiX, dpiY))
{
    m_painter.begin(m_device.get());
}

RecordingPageSink::~RecordingPageSink() { finish(); }

bool RecordingPageSink::newPage()
{
    m_engine->pages.append(RecordedPage());
    return true;
}

const QList<RecordedPage> &RecordingPageSink::pages() const { return m_engine->pages; }

void RecordingPageSink::finish()
{
    if (m_painter.isActive())
        m_painter.end();
}
