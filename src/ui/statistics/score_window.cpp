// SPDX-License-Identifier: GPL-3.0-or-later
// "Completed Game Statistics": the table of averages, the bar chart and the run of Today's Round.
#include "ui/statistics/score_window.h"

#include "settings/daily_record.h"
#include "ui/desktop/look_alike_fonts.h"
#include "ui/statistics/score_chart.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>

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

// Where the table sits.
constexpr int CellWidth = 31;
constexpr int CellHeight = 20;
constexpr int FirstColumnX = 168;
constexpr int ColumnStep = 40;
constexpr int HeadingY = 30;
constexpr int FirstRowY = 52;
constexpr int RowStep = 23;
constexpr int RowNameX = 84;
constexpr int ChartY = ScoreTable::ClassCount * RowStep + FirstRowY + 10;

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
    const int runY = ChartY + ScoreChart::ChartHeight + 2;
    m_todaysRun = addLabel(this, QString(), this->font(), Navy, QRect(0, runY, ClientWidth, ClientHeight - runY),
                           Qt::AlignCenter);
    m_todaysRun->setObjectName(QStringLiteral("lTodaysRun"));
}

void TfrmScore::buildTable()
{
    // Made when first shown: most runs never open the window.
    if (m_labels[0][0])
        return;
    const QFont headingFont = arialBold();
    const int tableRight = FirstColumnX + 3 * ColumnStep + CellWidth;
    addLabel(this, tr("Efficiency"), headingFont, Navy,
             QRect(FirstColumnX, HeadingY - 22, tableRight - FirstColumnX, 18), Qt::AlignCenter);
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
    m_todaysRun->setText(tr("Today's Round won %1 days in a row (best: %2)")
                             .arg(record.currentRun(QDate::currentDate()))
                             .arg(record.bestRun()));
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
    QDialog::showEvent(event);
    if (QWidget *owner = parentWidget()) {
        QRect r = frameGeometry();
        r.moveCenter(owner->window()->frameGeometry().center());
        move(r.topLeft());
    }
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
