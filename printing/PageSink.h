// The surface a report is drawn on, one page after another: a printer, a PDF
// file or, in tests, a recording. The report asks it for nothing else.
#pragma once

class QPainter;

class PageSink
{
public:
    virtual ~PageSink() = default;

    // The painter of the current page, in device dots.
    virtual QPainter &painter() = 0;
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // Closes the current page and opens the next; false if the device refused.
    virtual bool newPage() = 0;
};
