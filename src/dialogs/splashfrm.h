#pragma once

#include <QWidget>

class QFrame;
class QLabel;

// Shown while the program starts: its icon, title and version over the main window. It steps
// aside as soon as a question or window of the start-up needs the user.
class splashfrm : public QWidget
{
    Q_OBJECT
public:
    explicit splashfrm(QWidget* owner);

    // Shows the window centred on its owner and paints it at once.
    void showNow();

protected:
    bool event(QEvent* event) override;

private:
    QFrame* m_picture1 = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_label1 = nullptr;
};
