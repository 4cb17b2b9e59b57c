// SPDX-License-Identifier: GPL-3.0-or-later
// The trace window and its lines.
#include "ui/windows/debug_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TfrmDebug::TfrmDebug(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmDebug"));
    setWindowTitle(QStringLiteral("frmDebug"));
    resize(188, 300);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QPlainTextEdit *TfrmDebug::debug()
{
    if (m_debug)
        return m_debug;
    m_debug = new QPlainTextEdit(this);
    m_debug->setObjectName(QStringLiteral("debug"));
    m_debug->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout()->addWidget(m_debug);
    m_debug->show();
    if (!m_held.isEmpty())
        m_debug->appendPlainText(m_held.join(QLatin1Char('\n')));
    m_held.clear();
    return m_debug;
}

void TfrmDebug::showEvent(QShowEvent *event)
{
    debug();
    // Finding the fixed-pitch font takes a while, and most runs never show the memo.
    if (!m_fontSet) {
        m_fontSet = true;
        QFont font(QStringLiteral("Courier New"));
        font.setStyleHint(QFont::Monospace);
        m_debug->setFont(font);
    }
    QWidget::showEvent(event);
}

void TfrmDebug::clear()
{
    m_held.clear();
    if (m_debug)
        m_debug->clear();
}

void TfrmDebug::append(const QString &line)
{
    if (m_debug)
        m_debug->appendPlainText(line);
    else
        m_held << line;
}

QStringList TfrmDebug::lines() const
{
    const QString text = m_debug ? m_debug->toPlainText() : m_held.join(QLatin1Char('\n'));
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}
