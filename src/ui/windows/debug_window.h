// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

// The trace window: a sizeable window with one memo, filled at every round
// setup and shown only when "trace" is set.
class TfrmDebug : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmDebug(QWidget *parent = nullptr);

    QPlainTextEdit *debug() const { return m_debug; }
    void clear();
    void append(const QString &line);
    QStringList lines() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPlainTextEdit *m_debug;
    bool m_fontSet = false;
};
