#pragma once

#include "appearance/colourscheme.h"

#include <QDialog>
#include <array>
#include <functional>

class ColourBox;
class QGroupBox;
class QPushButton;
class SettingsStore;

// "Set colours": shows the stored colour scheme in four swatches, each chosen from the colour
// picker. Nothing is stored or applied before Apply or OK; every opening shows the stored
// scheme again.
class setcolours : public QDialog
{
    Q_OBJECT
public:
    using ApplyHandler = std::function<void(const ColourScheme&)>;

    explicit setcolours(SettingsStore& settings, QWidget* parent = nullptr);

    // Called by Apply and OK once the scheme is stored: the owner applies it.
    void setApplyHandler(ApplyHandler handler) { m_apply = std::move(handler); }
    // The colours the swatches show.
    ColourScheme shown() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showScheme(const ColourScheme& scheme);
    void tb_Click(int number);
    void defaults_Click();
    void cmdapply_Click();
    void cmdok_Click();

    SettingsStore& m_settings;
    ApplyHandler m_apply;
    QGroupBox* m_frame1 = nullptr;
    std::array<ColourBox*, ColourScheme::Count> m_tb{};
    QPushButton* m_defaults = nullptr;
    QPushButton* m_cmdok = nullptr;
    QPushButton* m_cmdcancel = nullptr;
    QPushButton* m_cmdapply = nullptr;
    // The swatch the picker chooses for.
    int m_target = 0;
};
