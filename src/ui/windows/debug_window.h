// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

// The trace window: a sizeable window with one memo, filled at every round
// setup and shown only when "trace" is set. The memo is made when the window
// is first shown or the memo asked for; until then the lines wait in a list,
// as most runs never show them.
class TfrmDebug : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmDebug(QWidget *parent = nullptr);

    QPlainTextEdit *debug();
    void clear();
    void append(const QString &line);
    QStringList lines() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPlainTextEdit *m_debug = nullptr;
    QStringList m_held; // the lines while there is no memo
    bool m_fontSet = false;
};
