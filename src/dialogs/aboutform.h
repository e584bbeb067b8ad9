#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "About Dialtrak": the program's title and version, the terms it is given under, and where
// help is: the help window and the documentation shipped with the program. Dialtrak has no web
// site or support address, so none is shown.
class Aboutform : public QDialog
{
    Q_OBJECT
public:
    // The documentation page as a file path.
    explicit Aboutform(const QString& documentation, QWidget* parent = nullptr);

private:
    QLabel* m_picIcon = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLineEdit* m_text2 = nullptr;
    QPushButton* m_cmdOK = nullptr;
};
