// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QFont>
#include <QList>

class QColorDialog;
class QFontDialog;
class SettingsFile;
class StylePanel;
class TfrmBG;
class TileLookHolder;

// The Styles dialog: the 21 border-style samples in their grid, previewed in
// the current tile colour, and four button panels below them ("Hint Color",
// "Tile Font", "Tile Color", "Background"). A click on a sample, a colour or
// a font takes effect on the board at once and is written to the settings
// file at once; "Background" opens the Background dialog beside it.
class TfrmStyle : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 347;
    static constexpr int ClientHeight = 145;

    explicit TfrmStyle(QWidget *parent = nullptr);

    void attach(TileLookHolder &look, SettingsFile &settings, TfrmBG *background);

    // Every panel takes the tile colour, then the dialog runs modally.
    int showStyles();

    // Handlers.
    void panel21Click(StylePanel *sample); // any of the 21 samples
    void pColorClick();
    void pFontClick();
    void Panel22Click();
    void Panel23Click() {} // "Hint Color" has no action of its own

    // The controls, built on first use.
    StylePanel *sample(const QString &name);
    QList<StylePanel *> samples() { ensureWidgets(); return m_samples; }
    StylePanel *pColor() { ensureWidgets(); return m_pColor; }
    StylePanel *pFont() { ensureWidgets(); return m_pFont; }
    QColorDialog *colourChooser() { ensureWidgets(); return m_colourChooser; }
    QFontDialog *fontChooser(); // built when first used

private:
    void ensureWidgets();
    StylePanel *addButtonPanel(const char *name, const QString &caption, int left, int width);
    void showLook();

    TileLookHolder *m_look = nullptr;
    SettingsFile *m_settings = nullptr;
    TfrmBG *m_background = nullptr;
    QList<StylePanel *> m_samples;
    QList<StylePanel *> m_buttons;
    StylePanel *m_pColor = nullptr;
    StylePanel *m_pFont = nullptr;
    QColorDialog *m_colourChooser = nullptr;
    QFontDialog *m_fontChooser = nullptr;
};
