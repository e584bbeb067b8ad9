#pragma once

#include <QObject>

class QAbstractItemView;

// Keeps a list's newest row in view when the list is resized, if it was in view before: the
// written and table views open at their end, and a resized window must not lose it.
class EndFollower : public QObject
{
    Q_OBJECT
public:
    explicit EndFollower(QAbstractItemView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* m_view;
};
