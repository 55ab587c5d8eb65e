// A page sink over a printer or a PDF writer that a painter is already active on.
#pragma once

#include "PageSink.h"

class QPagedPaintDevice;

class PagedDeviceSink final : public PageSink
{
public:
    PagedDeviceSink(QPagedPaintDevice &device, QPainter &painter);

    QPainter &painter() override { return m_painter; }
    int dpiX() const override;
    int dpiY() const override;
    bool newPage() override;

private:
    QPagedPaintDevice &m_device;
    QPainter &m_painter;
};
