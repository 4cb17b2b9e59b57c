// SPDX-License-Identifier: GPL-3.0-or-later
// The "Number of Words" field: digits only, brought into range when left.
#include "ui/options/word_count_box.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {
bool allDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
} // namespace

WordCountBox::WordCountBox(QWidget *parent) : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // The spin box tells only of texts in range, and its own changes of the
    // text (arrows, setValue) do not reach the editor's signal: listen to both.
    connect(lineEdit(), &QLineEdit::textChanged, this,
            [this](const QString &text) { emit readingChanged(readingOf(text)); });
    connect(this, &QSpinBox::valueChanged, this, [this] { emit readingChanged(reading()); });
}

int WordCountBox::readingOf(const QString &text) const
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || !allDigits(digits))
        return minimum();
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok) // more digits than any range
        return maximum();
    return int(std::clamp<qlonglong>(value, minimum(), maximum()));
}

QValidator::State WordCountBox::validate(QString &input, int &) const
{
    const QString digits = input.trimmed();
    if (!allDigits(digits))
        return QValidator::Invalid;
    if (digits.isEmpty() || digits.size() > 9)
        return QValidator::Intermediate;
    const int value = digits.toInt();
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void WordCountBox::fixup(QString &input) const
{
    input = QString::number(readingOf(input));
}

int WordCountBox::valueFromText(const QString &text) const
{
    return readingOf(text);
}

void WordCountBox::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].isPrint() && !allDigits(typed)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (m_beep)
            m_beep();
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}
