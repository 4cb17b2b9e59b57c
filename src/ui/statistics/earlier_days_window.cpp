// SPDX-License-Identifier: GPL-3.0-or-later
// The last 30 days' rounds of Today's Round, their results, and one to play as practice.
#include "ui/statistics/earlier_days_window.h"

#include "settings/daily_record.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString outcomeText(const std::optional<DayResult> &result)
{
    if (!result)
        return EarlierDaysWindow::tr("Not played");
    switch (result->outcome) {
    case DayOutcome::Won: return EarlierDaysWindow::tr("Won");
    case DayOutcome::Lost: return EarlierDaysWindow::tr("Not solved");
    case DayOutcome::Playing: break;
    }
    return EarlierDaysWindow::tr("Not finished");
}

QString playTime(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

EarlierDaysWindow::EarlierDaysWindow(const SettingsFile &settings, QDate today, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEarlierDays"));
    setWindowTitle(tr("Earlier Days"));
    setModal(true);

    auto *prompt = new QLabel(tr("Play an earlier day's round as practice. Practice never changes your record."),
                              this);
    prompt->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvDays"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Day"), tr("Result"), tr("Words"), tr("Rating"), tr("Moves"), tr("Time")});
    m_list->setAccessibleName(tr("Earlier days"));
    prompt->setBuddy(m_list);
    const DailyRecord record(settings);
    const QLocale locale;
    for (int ago = 1; ago <= DayCount; ++ago) {
        const QDate day = today.addDays(-ago);
        const std::optional<DayResult> result = record.resultOf(day);
        // Figures only where the round was played to its end.
        const bool figures = result && result->outcome != DayOutcome::Playing && result->wordCount > 0;
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(0, locale.toString(day, QLocale::ShortFormat) + QLatin1Char(' ')
                             + locale.dayName(day.dayOfWeek(), QLocale::ShortFormat));
        item->setText(1, outcomeText(result));
        if (figures) {
            item->setText(2, tr("%1 of %2").arg(result->wordsFound).arg(result->wordCount));
            item->setText(3, QString::number(result->rating));
            item->setText(4, QString::number(result->moves));
            item->setText(5, playTime(result->seconds));
        }
        item->setData(0, Qt::UserRole, day);
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setCurrentItem(m_list->topLevelItem(0));

    auto *buttons = new QDialogButtonBox(this);
    m_play = buttons->addButton(tr("&Play as Practice"), QDialogButtonBox::AcceptRole);
    m_play->setObjectName(QStringLiteral("bPlay"));
    m_play->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { accept(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(520, 420);
}

QDate EarlierDaysWindow::chosenDay() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toDate() : QDate();
}
