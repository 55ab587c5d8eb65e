// Page sink over a paged paint device.
#include "PagedDeviceSink.h"

#include <QPagedPaintDevice>
#include <QPainter>

PagedDeviceSink::PagedDeviceSink(QPagedPaintDevice &device, QPainter &painter)
    : m_device(device), m_painter(painter)
{
}

// A printer's logical resolution is its printing resolution, so fonts set in
// points come out at their printed size.
int PagedDeviceSink::dpiX() const { return m_device.logicalDpiX(); }
int PagedDeviceSink::dpiY() const { return m_device.logicalDpiY(); }

bool PagedDeviceSink::newPage() { return m_device.newPage(); }
