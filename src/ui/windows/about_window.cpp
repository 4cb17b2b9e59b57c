// SPDX-License-Identifier: GPL-3.0-or-later
// Help > About: the program picture, title, version, licence, credits and the web site.
#include "ui/windows/about_window.h"

#include "ui/board/tile_widget.h"
#include "ui/desktop/look_alike_fonts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

QString TfrmAbout::projectWebSite()
{
    return QStringLiteral(SPLITWICK_WEB_SITE);
}

namespace {

// "Splitwick" twice: a red copy one pixel up and left of a navy one.
class ShadowTitle : public QWidget
{
public:
    explicit ShadowTitle(QWidget *parent) : QWidget(parent)
    {
        m_font = QFont(QStringLiteral("Book Antiqua"));
        m_font.setPixelSize(29);
        m_font.setBold(true);
        m_font.setItalic(true);
        const QFontMetrics metrics(m_font);
        setFixedSize(metrics.horizontalAdvance(text()) + 8, metrics.height() + 4);
    }

    static QString text() { return QStringLiteral("Splitwick"); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(m_font);
        const QRect r = rect().adjusted(2, 1, -2, -1);
        p.setPen(QColor(0, 0, 128));
        p.drawText(r.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, text());
        p.setPen(QColor(255, 0, 0));
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text());
    }

private:
    QFont m_font;
};

} // namespace

QPixmap TfrmAbout::programPicture()
{
    // Three tiles of a board: a fixed, a loose and a solved cell.
    QPixmap picture(96, 36);
    picture.fill(QColor(188, 156, 248));
    const struct { const char *caption; QColor letters; } cells[] = {
        {"Sp", QColor(0, 170, 102)},
        {"li", QColor(251, 0, 0)},
        {"twick", QColor(0, 0, 236)},
    };
    const int widths[] = {26, 20, 44};
    int x = 2;
    for (int i = 0; i < 3; ++i) {
        TileWidget tile;
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(13);
        font.setBold(true);
        tile.setTileFont(font);
        tile.setTileColour(QColor(204, 221, 187));
        tile.setBorder(templateDesignBorder());
        tile.setCaption(QString::fromLatin1(cells[i].caption));
        tile.setLetterColour(cells[i].letters);
        tile.resize(widths[i], 28);
        tile.render(&picture, QPoint(x, 4));
        x += widths[i] + 1;
    }
    return picture;
}

TfrmAbout::TfrmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Splitwick"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
}

void TfrmAbout::ensureWidgets()
{
    if (m_ok)
        return;
    loadLookAlikeFonts();
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(1);

    auto *pictureFrame = new QFrame(panel);
    pictureFrame->setFrameShape(QFrame::Box);
    pictureFrame->setFrameShadow(QFrame::Sunken);
    auto *picture = new QLabel(pictureFrame);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(programPicture());
    auto *pictureLayout = new QHBoxLayout(pictureFrame);
    pictureLayout->setContentsMargins(3, 3, 3, 3);
    pictureLayout->addWidget(picture);

    auto *title = new ShadowTitle(panel);
    title->setObjectName(QStringLiteral("ProductName"));
    auto *version = new QLabel(tr("Version 1.1"), panel);
    version->setObjectName(QStringLiteral("Version"));

    // What a packager and a player look for: the licence, who made it, whose
    // work it builds on, and where to find the project (only when it has an address).
    const auto addText = [panel](const char *name, const QString &text) {
        auto *label = new QLabel(text, panel);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setMaximumWidth(340);
        return label;
    };
    auto *copyright = addText("Copyright", tr("Copyright \u00a9 2026 The Splitwick developers"));
    auto *licence = addText("Licence", tr("Splitwick is free software: you can redistribute it and/or modify it "
                                          "under the terms of the GNU General Public License, version 3 or "
                                          "(at your option) any later version. It comes with NO WARRANTY."));
    auto *credits = addText("Credits", tr("The English dictionaries come from WordNet 3.0 (Copyright 2006 Princeton "
                                          "University, WordNet licence), filtered with Kevin Atkinson's SCOWL word "
                                          "lists; their French, German and Spanish hints from FreeDict (GNU GPL). "
                                          "The French, German and Spanish dictionaries come from the thesauri of "
                                          "Kevin Hendricks, Fr\u00e9" "d\u00e9" "ric Labb\u00e9" " and Laurent Godard, "
                                          "Daniel Naber (OpenThesaurus) and Marcelo Garrone (GNU LGPL), filtered "
                                          "with Debian's word lists. Letters are drawn with the DejaVu and "
                                          "Liberation fonts and Wine's Tahoma look-alike."));
    QLabel *webSite = nullptr;
    if (!projectWebSite().isEmpty())
        webSite = addText("WebSite", projectWebSite());

    auto *panelLayout = new QVBoxLayout(panel);
    auto *top = new QHBoxLayout;
    top->addWidget(pictureFrame, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(title, 0, Qt::AlignVCenter);
    top->addStretch();
    panelLayout->addLayout(top);
    panelLayout->addWidget(version);
    for (QLabel *label : {copyright, licence, credits, webSite}) {
        if (label)
            panelLayout->addWidget(label);
    }
    panelLayout->addStretch();

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::setVisible(bool visible)
{
    if (visible)
        ensureWidgets();
    QDialog::setVisible(visible);
}

void TfrmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not over the main window.
    if (QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}
