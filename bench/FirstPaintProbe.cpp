// First-paint detection through an application-wide event filter.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

FirstPaintProbe::FirstPaintProbe(QWidget *window, std::function<void()> done)
    : m_window(window), m_done(std::move(done))
{
    qApp->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == m_window) {
        m_seen = true;
        // One paint pass paints the whole window and flushes it before the
        // event loop runs again, so a zero timer fires once the frame is out.
        QTimer::singleShot(0, this, [this] { m_done(); });
    }
    return QObject::eventFilter(watched, event);
}
