// SPDX-License-Identifier: GPL-3.0-or-later
// Shortcut letters for a dialog's captions, picked so that none clash.
#include "ui/accessibility/mnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>

namespace Mnemonics {
namespace {

// The letter after a single "&", or a null QChar.
QChar letterOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// "Sound && Music" keeps its doubled "&": where a plain letter of the shown text sits.
QString withLetter(const QString &text, QSet<QChar> &taken)
{
    QList<qsizetype> starts, others;
    bool wordStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('&') && i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
            ++i;
            wordStart = true;
            continue;
        }
        if (c.isLetterOrNumber())
            (wordStart ? starts : others) << i;
        wordStart = !c.isLetterOrNumber();
    }
    for (const QList<qsizetype> &places : {starts, others})
        for (qsizetype i : places)
            if (!taken.contains(text[i].toLower())) {
                taken.insert(text[i].toLower());
                return text.left(i) + QLatin1Char('&') + text.mid(i);
            }
    return text;
}

struct Caption
{
    QWidget *widget;
    QString text;
};

bool takesLetter(QWidget *w)
{
    // Push buttons answer Enter and Esc, or are named by their own letters.
    if (w->isHidden() || qobject_cast<QRadioButton *>(w) || qobject_cast<QPushButton *>(w))
        return false;
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->buddy() && label->textFormat() != Qt::RichText;
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<QGroupBox *>(w);
}

QString captionOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    return static_cast<QGroupBox *>(w)->title();
}

void setCaption(QWidget *w, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(text);
    else
        static_cast<QGroupBox *>(w)->setTitle(text);
}

// The page of a tab widget that holds w, or null when w is seen with every page.
QWidget *pageOf(QWidget *w, QWidget &window)
{
    for (QWidget *p = w; p && p != &window; p = p->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
            if (tabs->indexOf(p) >= 0)
                return p;
    return nullptr;
}

void give(const QList<QWidget *> &controls, QSet<QChar> taken)
{
    for (QWidget *w : controls)
        if (const QChar own = letterOf(captionOf(w)); !own.isNull())
            taken.insert(own);
    for (QWidget *w : controls)
        if (letterOf(captionOf(w)).isNull())
            setCaption(w, withLetter(captionOf(w), taken));
}

} // namespace

void assign(QWidget &window)
{
    QList<QWidget *> common;
    QHash<QWidget *, QList<QWidget *>> pages;
    QList<QWidget *> pageOrder;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!takesLetter(w))
            continue;
        if (QWidget *page = pageOf(w, window)) {
            if (!pages.contains(page))
                pageOrder << page;
            pages[page] << w;
        } else {
            common << w;
        }
    }
    QSet<QChar> taken;
    for (QWidget *w : common)
        if (const QChar own = letterOf(captionOf(w)); !own.isNull())
            taken.insert(own);
    // Every page's own letters count against the common ones too.
    for (QWidget *page : pageOrder)
        for (QWidget *w : pages[page])
            if (const QChar own = letterOf(captionOf(w)); !own.isNull())
                taken.insert(own);
    give(common, taken);
    for (QWidget *w : common)
        taken.insert(letterOf(captionOf(w)));
    for (QWidget *page : pageOrder)
        give(pages[page], taken);
}

} // namespace Mnemonics
