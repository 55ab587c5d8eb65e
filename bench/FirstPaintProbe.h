// Watches a top-level window for the end of its first paint, the moment the
// start-up benchmark stops its clock.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

class FirstPaintProbe final : public QObject
{
    Q_OBJECT

public:
    // `done` runs once, right after the event that painted `window` or one of
    // its children for the first time has been handled in full.
    FirstPaintProbe(QWidget *window, std::function<void()> done);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void()> m_done;
    bool m_seen = false;
};
