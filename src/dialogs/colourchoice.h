#pragma once

#include <QDialog>
#include <QList>
#include <optional>

class ColourBox;
class QFrame;
class QPushButton;

// "Click on a colour": a palette of 48 colours in 6 rows of 8, a preview that follows the
// pointer (and the keyboard focus), and Cancel. A click on a colour chooses it and closes.
class colourchoice : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Rows = 6;
    static constexpr int Columns = 8;

    // The preview starts with the colour being replaced.
    explicit colourchoice(quint32 current, QWidget* parent = nullptr);

    // The colour clicked; none after Cancel.
    std::optional<quint32> chosen() const { return m_chosen; }
    // Palette colour k, 0 to 47, row by row; red in the low byte.
    static quint32 paletteColour(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPreview(quint32 colour);
    void Picture1_Click(int index);
    // Arrow keys, Home and End move the focus through the palette as it is laid out.
    bool moveFocus(int index, int key);
    void setCurrent(int index);

    QList<ColourBox*> m_picture1;
    QFrame* m_preview = nullptr;
    QPushButton* m_command1 = nullptr;
    std::optional<quint32> m_chosen;
};
