#include "endfollower.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QScrollBar>
#include <QTimer>

EndFollower::EndFollower(QAbstractItemView* view) : QObject(view), m_view(view)
{
    view->installEventFilter(this);
}

bool EndFollower::eventFilter(QObject* watched, QEvent* event)
{
    // The filter sees the resize before the view does, so the scroll bar still tells where the
    // list stood; the view has its new size once the event is done.
    if (watched == m_view && event->type() == QEvent::Resize) {
        const QScrollBar* bar = m_view->verticalScrollBar();
        if (bar->value() == bar->maximum())
            QTimer::singleShot(0, m_view, [view = m_view] { view->scrollToBottom(); });
    }
    return QObject::eventFilter(watched, event);
}
