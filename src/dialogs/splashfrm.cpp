#include "splashfrm.h"

#include "platform/programinfo.h"
#include "views/viewcolours.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

splashfrm::splashfrm(QWidget* owner) : QWidget(owner, Qt::SplashScreen)
{
    setObjectName(QStringLiteral("splashfrm"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    // The program's own colours: light yellow on dark cyan.
    const ViewColours colours;
    m_picture1 = new QFrame(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFrameShape(QFrame::Box);
    m_picture1->setAutoFillBackground(true);
    QPalette palette = m_picture1->palette();
    palette.setColor(QPalette::Window, colours.mainBackground);
    palette.setColor(QPalette::WindowText, colours.mainText);
    m_picture1->setPalette(palette);

    m_image1 = new QLabel(m_picture1);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(windowIcon().pixmap(QSize(64, 64)));
    auto* title = new QLabel(ProgramInfo::title(), m_picture1);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    m_label1 = new QLabel(ProgramInfo::splashVersionText(), m_picture1);
    m_label1->setObjectName(QStringLiteral("Label1"));

    auto* text = new QVBoxLayout;
    text->addStretch();
    text->addWidget(title);
    text->addWidget(m_label1);
    text->addStretch();
    auto* picture = new QHBoxLayout(m_picture1);
    picture->setContentsMargins(28, 24, 40, 24);
    picture->setSpacing(20);
    picture->addWidget(m_image1);
    picture->addLayout(text);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture1);
}

void splashfrm::showNow()
{
    adjustSize();
    const QWidget* owner = parentWidget();
    if (owner)
        move(owner->geometry().center() - rect().center());
    show();
    // The start-up runs outside the event loop, so the window is painted here and now.
    repaint();
}

bool splashfrm::event(QEvent* event)
{
    // A message or window of the start-up must not open under the splash window.
    if (event->type() == QEvent::WindowBlocked)
        hide();
    return QWidget::event(event);
}
