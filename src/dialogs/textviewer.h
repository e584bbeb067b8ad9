#pragma once

#include <QDialog>

class QPlainTextEdit;

// A read-only window showing a text file, for when the desktop has no application to open it
// with: the user still gets to see the file asked for.
class TextViewer : public QDialog
{
    Q_OBJECT
public:
    TextViewer(const QString& title, const QString& text, QWidget* parent = nullptr);

    // Shows the file in a new viewer that deletes itself when closed; false, showing nothing,
    // when the file cannot be read.
    static bool showFile(const QString& path, QWidget* parent);

private:
    QPlainTextEdit* m_text;
};
