// SPDX-License-Identifier: GPL-3.0-or-later
// Game > "Round Number...": the dialog that shows a round's number and code and takes one to deal.
#include "ui/main_window/round_number_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QVBoxLayout>
#include <limits>

RoundNumberDialog::RoundNumberDialog(quint32 current, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRoundNumber"));
    setWindowTitle(tr("Round Number"));

    auto *shown = new QLabel(tr("This round's number is %1.").arg(current), this);
    shown->setObjectName(QStringLiteral("lCurrent"));
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_code = new QLabel(this);
    m_code->setObjectName(QStringLiteral("lCode"));
    m_code->setTextFormat(Qt::PlainText);
    m_code->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_code->hide();
    m_prompt = new QLabel(tr("Type a round's number to deal that round again "
                                         "(with the same dictionary and options):"),
                          this);
    m_prompt->setObjectName(QStringLiteral("lPrompt"));
    m_prompt->setWordWrap(true);

    m_edit = new QLineEdit(QString::number(current), this);
    m_edit->setObjectName(QStringLiteral("eRoundNumber"));
    m_edit->setMaxLength(100); // a code with its dictionary's name
    m_edit->selectAll();
    m_edit->setAccessibleName(tr("Round number"));
    m_prompt->setBuddy(m_edit);

    // It quotes the typed code's dictionary name, which may look like markup.
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lProblem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    m_deal = buttons->addButton(tr("Deal"), QDialogButtonBox::AcceptRole);
    m_deal->setObjectName(QStringLiteral("bDeal"));
    m_deal->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (deal().ok())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_edit, &QLineEdit::textChanged, this, [this] { textChanged(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(shown);
    layout->addWidget(m_code);
    layout->addWidget(m_prompt);
    layout->addWidget(m_edit);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    textChanged();
}

std::optional<quint32> RoundNumberDialog::parse(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const qulonglong value = digits.toULongLong();
    if (value > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return quint32(value);
}

std::optional<quint32> RoundNumberDialog::number() const
{
    return parse(m_edit->text());
}

void RoundNumberDialog::setRound(const QString &code, const RoundOptions &playerOptions)
{
    m_playerOptions = playerOptions;
    if (!code.isEmpty()) {
        m_code->setText(tr("This round's code is %1.").arg(code));
        m_code->show();
        m_edit->setText(code);
        m_edit->selectAll();
    }
    m_prompt->setText(tr("Type a round's code to deal that round with its own dictionary and options, or a "
                     "round's number to deal it with yours:"));
    textChanged();
}

CodeDeal RoundNumberDialog::deal() const
{
    if (m_playerOptions)
        return CodeDeal::fromText(m_edit->text(), *m_playerOptions);
    CodeDeal plain;
    if (const std::optional<quint32> typed = number())
        plain.seed = *typed;
    else
        plain.problem = tr("A round number is a whole number from 0 to 4294967295.");
    return plain;
}

void RoundNumberDialog::textChanged()
{
    const CodeDeal typed = deal();
    m_deal->setEnabled(typed.ok());
    m_problem->setText(typed.ok() ? typed.note : typed.problem);
    m_problem->setAccessibleName(m_problem->text());
    fitText();
}

void RoundNumberDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitText();
}

void RoundNumberDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    fitText();
}

void RoundNumberDialog::fitText()
{
    if (!isVisible())
        return;
    const int needed = layout()->totalHeightForWidth(width());
    setMinimumHeight(needed);
    if (height() < needed)
        resize(width(), needed);
}
