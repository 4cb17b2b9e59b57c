#include "ui/main_window/round_number_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

RoundNumberDialog::RoundNumberDialog(quint32 current, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRoundNumber"));
    setWindowTitle(tr("Round Number"));

    auto *shown = new QLabel(tr("This round's number is %1.").arg(current), this);
    shown->setObjectName(QStringLiteral("lCurrent"));
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *prompt = new QLabel(tr("Type a round's number to deal that round again "
                                             "(with the same dictionary and options):"),
                              this);
    prompt->setWordWrap(true);

    m_edit = new QLineEdit(QString::number(current), this);
    m_edit->setObjectName(QStringLiteral("eRoundNumber"));
    m_edit->setMaxLength(12);
    m_edit->selectAll();
    m_edit->setAccessibleName(tr("Round number"));
    prompt->setBuddy(m_edit);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lProblem"));

    auto *buttons = new QDialogButtonBox(this);
    m_deal = buttons->addButton(tr("Deal"), QDialogButtonBox::AcceptRole);
    m_deal->setObjectName(QStringLiteral("bDeal"));
    m_deal->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (number())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_edit, &QLineEdit::textChanged, this, [this] { textChanged(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(shown);
    layout->addWidget(prompt);
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

void RoundNumberDialog::textChanged()
{
    const bool valid = number().has_value();
    m_deal->setEnabled(valid);
    m_problem->setText(valid ? QString() : tr("A round number is a whole number from 0 to 4294967295."));
    m_problem->setAccessibleName(m_problem->text());
}
