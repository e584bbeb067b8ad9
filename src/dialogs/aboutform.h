#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "About Dialtrak": the program's title and version, the terms it is given under, and where to
// find it: the documentation shipped with it stands in for a web site.
class Aboutform : public QDialog
{
    Q_OBJECT
public:
    explicit Aboutform(const QString& homePageAddress, QWidget* parent = nullptr);

private:
    QLabel* m_picIcon = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QPushButton* m_cmdOK = nullptr;
};
