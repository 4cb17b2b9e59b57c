// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSpinBox>
#include <functional>

// The "Number of Words" field: digits only (anything else is refused with a
// beep), any number may be typed and is brought into range when the field is
// left, and the field always reads as a number in range - an empty or
// unreadable text as the minimum.
class WordCountBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit WordCountBox(QWidget *parent = nullptr);

    // The value the current text stands for, even while it is being typed.
    int reading() const { return readingOf(text()); }
    int readingOf(const QString &text) const;

    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }

signals:
    // At every change of the text, typed or set, with what it reads as.
    void readingChanged(int reading);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    int valueFromText(const QString &text) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<void()> m_beep;
};
