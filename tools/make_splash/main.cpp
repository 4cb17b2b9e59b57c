// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the start-up splash: the title's cells, shuffled like a fresh board,
// slide into their row and join into "Splitwick".
//
//   QT_QPA_PLATFORM=offscreen make-splash FOLDER
//
// writes FOLDER/splash1.bmp .. splash5.bmp, 172 x 123 pixels, 24-bit.

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int Width = 172;
constexpr int Height = 123;

// The board's own letter colours: movable cells red, placed cells green.
const QColor Loose(251, 0, 0);
const QColor Fixed(0, 170, 102);

struct Cell {
    QString text;
    QPointF start;   // centre when the board is dealt
    double startAngle;
    QPointF end;     // centre in the finished row
};

struct Pose {
    QPointF centre;
    double angle = 0;
    double lift = 0;  // 0 resting on the board, 1 held up by the pointer
    QColor letters;
};

QFont letterFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(17);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

double easeInOut(double t)
{
    return t < 0.5 ? 2 * t * t : 1 - std::pow(-2 * t + 2, 2) / 2;
}

void drawBackground(QPainter &p, double glow)
{
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0.0, QColor(38, 22, 92));
    sky.setColorAt(0.55, QColor(88, 56, 178));
    sky.setColorAt(1.0, QColor(150, 112, 236));
    p.fillRect(QRect(0, 0, Width, Height), sky);

    QRadialGradient light(QPointF(Width / 2.0, Height * 0.48), Width * 0.62);
    light.setColorAt(0.0, QColor(255, 236, 255, int(70 + 60 * glow)));
    light.setColorAt(1.0, QColor(255, 236, 255, 0));
    p.fillRect(QRect(0, 0, Width, Height), light);

    // A faint board grid, as if the cells lay on the game area.
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int y = 8; y < Height; y += 19)
        p.drawLine(QPointF(0, y + 0.5), QPointF(Width, y + 0.5));

    // Soft rim so the picture reads as a framed card.
    QRadialGradient vignette(QPointF(Width / 2.0, Height / 2.0), Width * 0.75);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(10, 0, 30, 120));
    p.fillRect(QRect(0, 0, Width, Height), vignette);
}

QSizeF cellSize(const QString &text)
{
    const QFontMetricsF fm(letterFont());
    return {fm.horizontalAdvance(text) + 12, 27};
}

// A cell in the game's look: raised bevel, light face, bold letters.
void drawCell(QPainter &p, const QString &text, const QSizeF &size, const Pose &pose)
{
    p.save();
    p.translate(pose.centre);
    p.rotate(pose.angle);
    const QRectF r(-size.width() / 2, -size.height() / 2, size.width(), size.height());

    // Shadow: stacked translucent rounded rectangles approximate a blur;
    // a lifted cell casts it further and softer.
    const QPointF off(1.5 + 4 * pose.lift, 2.5 + 5 * pose.lift);
    const int spread = 3 + int(3 * pose.lift);
    p.setPen(Qt::NoPen);
    for (int i = spread; i >= 0; --i) {
        p.setBrush(QColor(10, 0, 40, 22 + 8 * (spread - i) / qMax(1, spread)));
        p.drawRoundedRect(r.translated(off).adjusted(-i, -i, i, i), 3 + i, 3 + i);
    }

    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(255, 253, 244));
    face.setColorAt(1, QColor(226, 218, 196));
    p.setBrush(face);
    p.drawRoundedRect(r, 2.5, 2.5);

    // Raised bevel: light from the top left.
    const QRectF in = r.adjusted(1.5, 1.5, -1.5, -1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 230), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(in.bottomLeft(), in.topLeft());
    p.drawLine(in.topLeft(), in.topRight());
    p.setPen(QPen(QColor(150, 136, 108), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(in.topRight(), in.bottomRight());
    p.drawLine(in.bottomRight(), in.bottomLeft());
    p.setPen(QPen(QColor(90, 70, 110, 160), 0.8));
    p.drawRoundedRect(r, 2.5, 2.5);

    p.setFont(letterFont());
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(r.translated(0.6, 0.8), Qt::AlignCenter, text);
    p.setPen(pose.letters);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

void drawSparkle(QPainter &p, QPointF c, double size, int alpha)
{
    QPainterPath star;
    star.moveTo(c + QPointF(0, -size));
    star.quadTo(c, c + QPointF(size, 0));
    star.quadTo(c, c + QPointF(0, size));
    star.quadTo(c, c + QPointF(-size, 0));
    star.quadTo(c, c + QPointF(0, -size));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, alpha));
    p.drawPath(star);
}

void drawSubtitle(QPainter &p, const QString &text, double y)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(10);
    f.setItalic(true);
    p.setFont(f);
    const QRectF r(0, y, Width, 14);
    p.setPen(QColor(30, 10, 70, 170));
    p.drawText(r.translated(0.8, 0.8), Qt::AlignCenter, text);
    p.setPen(QColor(255, 246, 210));
    p.drawText(r, Qt::AlignCenter, text);
}

QImage frame(int index, const QString &subtitle)
{
    // "Splitwick" cut as a nine-letter word of the game: 2-3-4.
    const QFontMetricsF fm(letterFont());
    const std::array<QString, 3> texts{"SP", "LIT", "WICK"};
    double rowWidth = 0;
    for (const QString &t : texts)
        rowWidth += cellSize(t).width();
    const double rowY = 52;
    double x = (Width - rowWidth) / 2;
    std::array<Cell, 3> cells;
    for (int i = 0; i < 3; ++i) {
        const double w = cellSize(texts[i]).width();
        cells[i].text = texts[i];
        cells[i].end = QPointF(x + w / 2, rowY);
        x += w;
    }
    // Dealt: out of order and askew, as a shuffled board looks.
    cells[0].start = QPointF(140, 21);
    cells[0].startAngle = 8;
    cells[1].start = QPointF(34, 96);
    cells[1].startAngle = -7;
    cells[2].start = QPointF(112, 98);
    cells[2].startAngle = -4;

    QImage img(Width, Height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // Progress of each cell along its path in frames 1..4; cells set off one
    // after another, so the picture has a moving one and a resting one.
    static const double progress[4][3] = {
        {0.00, 0.00, 0.00},
        {0.50, 0.30, 0.15},
        {1.00, 0.80, 0.65},
        {1.00, 1.00, 1.00},
    };
    drawBackground(p, index / 4.0);

    if (index < 4) {
        // Resting cells first, so the ones in the air pass over them.
        std::array<int, 3> order{0, 1, 2};
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const auto held = [&](int c) { return progress[index][c] > 0 && progress[index][c] < 1; };
            return !held(a) && held(b);
        });
        for (int i : order) {
            const double t = easeInOut(progress[index][i]);
            const bool moving = progress[index][i] > 0 && progress[index][i] < 1;
            Pose pose;
            pose.centre = cells[i].start + (cells[i].end - cells[i].start) * t;
            pose.angle = cells[i].startAngle * (1 - t);
            pose.lift = moving ? 1.0 : 0.0;
            pose.letters = progress[index][i] >= 1 ? Fixed : Loose;
            if (moving) {
                // Motion trail: fading copies behind the held cell.
                for (int k = 3; k >= 1; --k) {
                    const double tk = easeInOut(qMax(0.0, progress[index][i] - 0.08 * k));
                    Pose ghost = pose;
                    ghost.centre = cells[i].start + (cells[i].end - cells[i].start) * tk;
                    ghost.angle = cells[i].startAngle * (1 - tk);
                    p.setOpacity(0.12 * (4 - k));
                    drawCell(p, cells[i].text, cellSize(cells[i].text), ghost);
                }
                p.setOpacity(1);
            }
            drawCell(p, cells[i].text, cellSize(cells[i].text), pose);
        }
        if (index == 3)
            drawSparkle(p, cells[2].end + QPointF(cellSize("WICK").width() / 2 - 2, -13), 5, 220);
    } else {
        // Joined: one cell across the row, as a completed word joins.
        Pose whole;
        whole.centre = QPointF(Width / 2.0, rowY);
        whole.letters = Fixed;
        drawCell(p, QStringLiteral("SPLITWICK"), QSizeF(rowWidth, 27), whole);
        drawSubtitle(p, subtitle, rowY + 22);
        QRandomGenerator sparkles(5);
        for (int i = 0; i < 7; ++i) {
            const QPointF c(8 + sparkles.bounded(Width - 16), 6 + sparkles.bounded(28));
            drawSparkle(p, i % 2 ? c : QPointF(c.x(), Height - 4 - c.y() / 2), 2 + sparkles.bounded(3),
                        120 + sparkles.bounded(120));
        }
        drawSparkle(p, QPointF(Width / 2.0 + rowWidth / 2 - 3, rowY - 13), 6, 240);
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make-splash FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        err << "make-splash: cannot create " << folder.path() << '\n';
        return 1;
    }
    // The last picture carries the subtitle: one in each of the game's languages
    // (splash5_fr.bmp), which the splash shows in place of splash5.bmp.
    const std::pair<const char *, const char *> subtitles[] = {
        {"", "the split-word puzzle"},
        {"_fr", "le casse-t\u00eate des mots coup\u00e9s"},
        {"_de", "das R\u00e4tsel der geteilten W\u00f6rter"},
        {"_es", "el rompecabezas de palabras partidas"},
    };
    for (int i = 0; i < 5; ++i) {
        for (const auto &[suffix, subtitle] : subtitles) {
            if (i < 4 && *suffix)
                continue;
            const QString path = folder.filePath(QStringLiteral("splash%1%2.bmp").arg(i + 1).arg(QLatin1String(suffix)));
            if (!frame(i, QString::fromUtf8(subtitle)).save(path, "BMP")) {
                err << "make-splash: cannot write " << path << '\n';
                return 1;
            }
            QTextStream(stdout) << path << '\n';
        }
    }
    return 0;
}
