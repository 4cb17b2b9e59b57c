// SPDX-License-Identifier: GPL-3.0-or-later
// The Styles dialog: the style samples, the tile font and colour choosers and the Background button.
#include "ui/styles/style_dialog.h"

#include "ui/background/background_dialog.h"
#include "ui/styles/colour_name.h"
#include "ui/desktop/look_alike_fonts.h"
#include "ui/styles/style_panel.h"
#include "ui/styles/tile_look.h"
#include "ui/styles/tile_look_holder.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QFontDialog>
#include <QFontInfo>

namespace {

constexpr int GridTops[] = {10, 42, 74};
constexpr int GridLefts[] = {8, 56, 104, 152, 200, 248, 296};
constexpr int SampleWidth = 39;
constexpr int SampleHeight = 25;
// Tall enough for a caption on two lines, under the samples and inside the window.
constexpr int ButtonTop = 105;
constexpr int ButtonHeight = 36;
const QColor ButtonColour(204, 221, 187);
const QColor CaptionColour(0, 128, 0);

QFont tahoma(int pixels, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The tile font on a button panel: as large as it is, but never taller than the panel.
QFont captionFont(const QFont &font, const StylePanel *panel)
{
    QFont caption = font;
    const int room = panel->contentRect().height();
    const int pixels = QFontInfo(font).pixelSize();
    if (pixels > room)
        caption.setPixelSize(qMax(TileWidget::MinimumFittedPixels, room));
    return caption;
}

// "Tahoma, 10 pt, bold", as the font chooser would show it.
QString fontName(const QFont &font)
{
    const QString size = TfrmStyle::tr("%1, %2 pt").arg(font.family()).arg(pointSizeOf(font));
    return font.bold() ? TfrmStyle::tr("%1, bold").arg(size) : size;
}

} // namespace

TfrmStyle::TfrmStyle(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmStyle"));
    setWindowTitle(tr("Styles"));
    // Window-modal: it blocks the main window, but the Background dialog it
    // opens stays usable beside it.
    setWindowModality(Qt::WindowModal);
    setFixedSize(ClientWidth, ClientHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(188, 156, 248));
    setPalette(palette);
    setAutoFillBackground(true);
    move(33, 41);
}

// The samples and the two choosers are built when first needed: the font
// chooser alone lists every font family, which start-up should not wait for.
void TfrmStyle::ensureWidgets()
{
    if (!m_samples.isEmpty())
        return;
    loadLookAlikeFonts();
    for (const StyleSample &style : styleSamples()) {
        auto *sample = new StylePanel(this);
        sample->setObjectName(QLatin1String(style.name));
        // Read out by their place in the grid, as the player sees them.
        sample->setAccessibleName(tr("Border style %1").arg((style.row - 1) * 7 + style.column));
        sample->setGeometry(GridLefts[style.column - 1], GridTops[style.row - 1], SampleWidth, SampleHeight);
        sample->setCaption(QStringLiteral("W"));
        sample->setTileFont(tahoma(13, true));
        sample->setBorder(style.border);
        sample->setChoice(true);
        connect(sample, &StylePanel::clicked, this, [this, sample] { panel21Click(sample); });
        m_samples << sample;
    }

    StylePanel *hint = addButtonPanel("Panel23", tr("Hint Color"), 8, 65);
    m_pFont = addButtonPanel("pFont", tr("Tile Font"), 80, 81);
    m_pColor = addButtonPanel("pColor", tr("Tile Color"), 169, 80);
    StylePanel *background = addButtonPanel("Panel22", tr("Background"), 256, 79);
    hint->setFocusPolicy(Qt::NoFocus); // it has no action to reach
    connect(hint, &StylePanel::clicked, this, [this] { Panel23Click(); });
    connect(m_pFont, &StylePanel::clicked, this, [this] { pFontClick(); });
    connect(m_pColor, &StylePanel::clicked, this, [this] { pColorClick(); });
    connect(background, &StylePanel::clicked, this, [this] { Panel22Click(); });

    m_colourChooser = new QColorDialog(this);
    m_colourChooser->setObjectName(QStringLiteral("ColorDialog1"));
    m_colourChooser->setOption(QColorDialog::DontUseNativeDialog);
    // The chooser's colour grids say nothing of their own: the cell the keys
    // reach is named by its colour.
    connect(m_colourChooser, &QColorDialog::currentColorChanged, this, [this](const QColor &colour) {
        QWidget *focus = m_colourChooser->focusWidget();
        if (focus && !qobject_cast<QLineEdit *>(focus) && !qobject_cast<QAbstractSpinBox *>(focus) &&
            !qobject_cast<QAbstractButton *>(focus))
            focus->setAccessibleName(colourName(colour));
    });
}

// Built when first opened: a font chooser built beforehand, hidden, sends
// focus events that a screen reader announces as a dialog that is not there.
QFontDialog *TfrmStyle::fontChooser()
{
    ensureWidgets();
    if (!m_fontChooser) {
        m_fontChooser = new QFontDialog(this);
        m_fontChooser->setObjectName(QStringLiteral("FontDialog1"));
        m_fontChooser->setOption(QFontDialog::DontUseNativeDialog);
    }
    return m_fontChooser;
}

StylePanel *TfrmStyle::addButtonPanel(const char *name, const QString &caption, int left, int width)
{
    auto *panel = new StylePanel(this);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(left, ButtonTop, width, ButtonHeight);
    panel->setCaption(caption);
    panel->setLetterColour(CaptionColour);
    panel->setTileColour(ButtonColour);
    panel->setTileFont(tahoma(11, false));
    panel->setWrapsCaption(true);
    panel->setBorder(TileBorder{Bevel::Raised, Bevel::None, 2, BorderStyle::None, 0});
    m_buttons << panel;
    return panel;
}

void TfrmStyle::attach(TileLookHolder &look, SettingsFile &settings, TfrmBG *background)
{
    m_look = &look;
    m_settings = &settings;
    m_background = background;
}

StylePanel *TfrmStyle::sample(const QString &name)
{
    ensureWidgets();
    for (StylePanel *panel : m_samples)
        if (panel->objectName() == name)
            return panel;
    return nullptr;
}

void TfrmStyle::showLook()
{
    ensureWidgets();
    if (!m_look)
        return;
    const TileLook &look = m_look->look();
    for (StylePanel *panel : m_samples)
        panel->setTileColour(look.colour);
    for (StylePanel *panel : m_buttons)
        panel->setTileColour(look.colour);
    // The two look panels show their caption in the tile font.
    m_pFont->setTileFont(captionFont(look.font, m_pFont));
    m_pColor->setTileFont(captionFont(look.font, m_pColor));
    // What the panels show by their looks, in words.
    for (StylePanel *panel : m_samples)
        panel->setCurrent(panel->objectName().compare(look.style, Qt::CaseInsensitive) == 0);
    m_pColor->setAccessibleDescription(colourName(look.colour.colour()));
    m_pFont->setAccessibleDescription(fontName(look.font));
}

int TfrmStyle::showStyles()
{
    showLook();
    // The keys start on the style the tiles have now.
    if (m_look)
        if (StylePanel *current = sample(m_look->look().style))
            current->setFocus(Qt::OtherFocusReason);
    return exec();
}

void TfrmStyle::panel21Click(StylePanel *sample)
{
    if (!m_look || !sample)
        return;
    const StyleSample *style = findStyleSample(sample->objectName());
    if (style)
        m_look->pickStyle(*style, *m_settings);
    showLook();
}

void TfrmStyle::pColorClick()
{
    ensureWidgets();
    if (!m_look)
        return;
    m_colourChooser->setCurrentColor(m_look->look().colour.colour());
    if (m_colourChooser->exec() != QDialog::Accepted)
        return;
    m_look->pickColour(m_colourChooser->selectedColor(), *m_settings);
    showLook();
}

void TfrmStyle::pFontClick()
{
    ensureWidgets();
    if (!m_look)
        return;
    // The chooser opens on the tile font at its size in points, so that its
    // size box is filled and OK alone changes nothing.
    QFont current = m_look->look().font;
    current.setPointSize(pointSizeOf(current));
    fontChooser()->setCurrentFont(current);
    if (m_fontChooser->exec() != QDialog::Accepted)
        return;
    m_look->pickFont(m_fontChooser->selectedFont(), *m_settings);
    showLook();
}

void TfrmStyle::Panel22Click()
{
    if (!m_background)
        return;
    m_background->show();
    m_background->raise();
    m_background->activateWindow();
}
