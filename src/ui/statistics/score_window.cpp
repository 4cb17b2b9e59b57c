// SPDX-License-Identifier: GPL-3.0-or-later
// "Completed Game Statistics": the table of averages, the bar chart and the run of Today's Round.
#include "ui/statistics/score_window.h"

#include "base/count_text.h"
#include "settings/daily_record.h"
#include "settings/day_clock.h"
#include "ui/desktop/look_alike_fonts.h"
#include "ui/statistics/score_chart.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

const QColor Background(0xC5, 0xF3, 0xCB);
const QColor Navy(0x00, 0x00, 0x80);

// The table's columns from left to right: 100, 75, 50 and 25 per cent.
struct Column
{
    int band;           // index into the table's bands
    const char *heading;
    QRgb headingColour;
    QRgb cellColour;
    QRgb cellLetters;
};
const Column Columns[] = {
    {3, "100%", 0x0000FF, 0x0000FF, 0xFFFFFF},
    {2, "75%", 0xB98F02, 0xFFFF00, 0x000000},
    {1, "50%", 0x008000, 0x008000, 0xFFFFFF},
    {0, "25%", 0xFF0000, 0xFF0000, 0xFFFFFF},
};

// Where the table sits: close enough for the chart and two lines of Today's
// Round below it within the window's fixed size.
constexpr int CellWidth = 31;
constexpr int CellHeight = 20;
constexpr int FirstColumnX = 168;
constexpr int ColumnStep = 40;
constexpr int HeadingY = 18;
constexpr int FirstRowY = 36;
constexpr int RowStep = 21;
constexpr int RowNameX = 84;
constexpr int ChartY = (ScoreTable::ClassCount - 1) * RowStep + CellHeight + FirstRowY + 2;
constexpr int LineHeight = 16;

QFont arialBold()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

QLabel *addLabel(QWidget *parent, const QString &text, const QFont &font, const QColor &colour, const QRect &at,
                 Qt::Alignment align)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(align);
    label->setGeometry(at);
    label->show(); // the table is made as the window is shown
    return label;
}

} // namespace

TfrmScore::TfrmScore(const SettingsFile &settings, QWidget *parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("frmScore"));
    setWindowTitle(tr("Completed Game Statistics"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(8);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Background);
    setPalette(palette);
    setAutoFillBackground(true);

    m_chart = new ScoreChart(this);
    m_chart->move((ClientWidth - ScoreChart::ChartWidth) / 2, ChartY);
    const int daysY = ChartY + ScoreChart::ChartHeight + 1;
    m_todaysDays = addLabel(this, QString(), this->font(), Navy, QRect(0, daysY, ClientWidth, LineHeight),
                            Qt::AlignCenter);
    m_todaysDays->setObjectName(QStringLiteral("lTodaysDays"));
    m_todaysRun = addLabel(this, QString(), this->font(), Navy,
                           QRect(0, daysY + LineHeight, ClientWidth, ClientHeight - daysY - LineHeight), Qt::AlignCenter);
    m_todaysRun->setObjectName(QStringLiteral("lTodaysRun"));
    // The corner left of the column headings.
    m_nextRound = addLabel(this, QString(), this->font(), Navy, QRect(6, 1, FirstColumnX - 12, FirstRowY - 3),
                           Qt::AlignLeft | Qt::AlignVCenter);
    m_nextRound->setObjectName(QStringLiteral("lNextRound"));
    m_nextRound->setWordWrap(true);
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, [this] { showNextRound(); });
}

void TfrmScore::showNextRound()
{
    const qint64 s = DayClock::secondsToNextDay();
    m_nextRound->setText(tr("Next Today's Round in %1")
                             .arg(QStringLiteral("%1:%2:%3")
                                      .arg(s / 3600)
                                      .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                                      .arg(s % 60, 2, 10, QLatin1Char('0'))));
}

void TfrmScore::buildTable()
{
    // Made when first shown: most runs never open the window.
    if (m_labels[0][0])
        return;
    const QFont headingFont = arialBold();
    const int tableRight = FirstColumnX + 3 * ColumnStep + CellWidth;
    addLabel(this, tr("Efficiency"), headingFont, Navy,
             QRect(FirstColumnX, HeadingY - 17, tableRight - FirstColumnX, 17), Qt::AlignCenter);
    for (int col = 0; col < 4; ++col) {
        const Column &column = Columns[col];
        const int x = FirstColumnX + col * ColumnStep;
        addLabel(this, QString::fromLatin1(column.heading), headingFont, QColor::fromRgb(column.headingColour),
                 QRect(x - 5, HeadingY, CellWidth + 10, 18), Qt::AlignCenter);
    }

    QFont rowFont(QStringLiteral("Tahoma"));
    rowFont.setPointSize(8);
    rowFont.setBold(true);
    const int tableHeight = (ScoreTable::ClassCount - 1) * RowStep + CellHeight;
    addLabel(this, tr("Level"), headingFont, Navy, QRect(16, FirstRowY, 56, tableHeight),
             Qt::AlignLeft | Qt::AlignVCenter);

    for (int c = 0; c < ScoreTable::ClassCount; ++c) {
        const int y = FirstRowY + c * RowStep;
        addLabel(this, ScoreTable::className(c), rowFont, Qt::black, QRect(RowNameX, y, 76, CellHeight),
                 Qt::AlignLeft | Qt::AlignVCenter);
        for (int col = 0; col < 4; ++col) {
            const Column &column = Columns[col];
            QLabel *cell = addLabel(this, QStringLiteral("0"), headingFont, QColor::fromRgb(column.cellLetters),
                                    QRect(FirstColumnX + col * ColumnStep, y, CellWidth, CellHeight),
                                    Qt::AlignCenter);
            // e2 .. e5: the band's digit, 2 for 25 per cent up to 5 for 100.
            cell->setObjectName(ScoreTable::key(c, column.band).left(1) + QString::number(column.band + 2));
            QPalette palette = cell->palette();
            palette.setColor(QPalette::Window, QColor::fromRgb(column.cellColour));
            cell->setPalette(palette);
            cell->setAutoFillBackground(true);
            m_labels[c][column.band] = cell;
        }
    }
}

void TfrmScore::FormActivate()
{
    buildTable();
    const ScoreTable table = ScoreTable::read(m_settings);
    for (int c = 0; c < ScoreTable::ClassCount; ++c)
        for (int b = 0; b < ScoreTable::BandCount; ++b)
            m_labels[c][b]->setText(table.text(c, b));
    m_chart->setTable(table);
    const DailyRecord record(m_settings);
    const int played = record.daysPlayed();
    const int won = record.daysWon();
    const int share = played > 0 ? int((qint64(won) * 100 + played / 2) / played) : 0;
    m_todaysDays->setText(
        countText("TfrmScore", QT_TRANSLATE_N_NOOP("TfrmScore", "Today's Round: %n day(s) played, %1 won (%2%)"), played)
            .arg(won)
            .arg(share));
    m_todaysRun->setText(
        countText("TfrmScore", QT_TRANSLATE_N_NOOP("TfrmScore", "Won %n day(s) in a row (best: %1)"),
                  record.currentRun(DayClock::today()))
            .arg(record.bestRun()));
    showNextRound();
}

bool TfrmScore::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TfrmScore::showEvent(QShowEvent *event)
{
    // Filled before the first paint, whenever the window system activates it.
    loadLookAlikeFonts();
    FormActivate();
    m_clock->start();
    QDialog::showEvent(event);
    if (QWidget *owner = parentWidget()) {
        QRect r = frameGeometry();
        r.moveCenter(owner->window()->frameGeometry().center());
        move(r.topLeft());
    }
}

void TfrmScore::hideEvent(QHideEvent *event)
{
    m_clock->stop();
    QDialog::hideEvent(event);
}

void TfrmScore::keyPressEvent(QKeyEvent *event)
{
    // Keys that type something (letters, digits, space, Enter, Esc) close the
    // window; arrows, function and modifier keys type nothing.
    if (!event->text().isEmpty()) {
        event->accept();
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
