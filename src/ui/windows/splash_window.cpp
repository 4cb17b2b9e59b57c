// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up splash window and the sequence of its pictures.
#include "ui/windows/splash_window.h"

#include "base/program_folder.h"
#include "ui/background/picture_file.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/game_language.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace {

const QColor Purple(128, 0, 128);

} // namespace

TfrmSplash::TfrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(ClientWidth + 2 * FrameWidth, ClientHeight + 2 * FrameWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Keys go to whichever window has the focus, and a splash may never get it.
    qApp->installEventFilter(this);
}

void TfrmSplash::mousePressEvent(QMouseEvent *)
{
    m_skipped = true;
}

bool TfrmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isVisible())
        m_skipped = true;
    return QWidget::eventFilter(watched, event);
}

bool TfrmSplash::loadPicture(const QString &path)
{
    m_file = path;
    m_picture = readWholePicture(path);
    update();
    return !m_picture.isNull();
}

namespace {

// A picture drawn for the game's language ("xq/splash5_fr.bmp") stands in for its own.
QString localPicture(const char *picture)
{
    const QString name = QString::fromLatin1(picture);
    if (gameLanguage() != QLatin1String("en")) {
        const QString local = dataPath(name.chopped(4) + QLatin1Char('_') + gameLanguage() + name.right(4));
        if (QFileInfo::exists(local))
            return local;
    }
    return dataPath(name);
}

} // namespace

void TfrmSplash::centreOnDesktop()
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect r = rect();
    r.moveCenter(screen->geometry().center());
    move(r.topLeft());
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // At a high-DPI scale the picture is enlarged: filter it rather than repeat pixels.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), Purple);
    const QRect client(FrameWidth, FrameWidth, ClientWidth, ClientHeight);
    p.setClipRect(client);
    if (!m_picture.isNull()) {
        // Natural size from the client's top-left corner; the rest is cut off.
        p.drawImage(client.topLeft(), m_picture);
        return;
    }
    // No picture: a plain panel that still says what is starting.
    QFont font(QStringLiteral("Book Antiqua"));
    font.setPixelSize(24);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(client, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("Splitwick"));
}

namespace {

void waitSince(const QElapsedTimer &clock, int ms, const std::function<bool()> &cut = {})
{
    // Events run the whole time; the loop wakes at least every 10 ms to look
    // at the clock, since the hold is a lower bound on the tick count.
    while (clock.elapsed() <= ms && !(cut && cut())) {
        QEventLoop loop;
        const qint64 left = ms - clock.elapsed() + 1;
        QTimer::singleShot(int(qBound(qint64(1), left, qint64(10))), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace

void waitProcessingEvents(int ms)
{
    QElapsedTimer clock;
    clock.start();
    waitSince(clock, ms);
}

void runSplashSequence(Desktop &desktop, const std::function<void(int level)> &setVolumeLevel, QWidget *owner)
{
    QPointer<TfrmSplash> splash = new TfrmSplash(owner);
    splash->loadPicture(localPicture(SplashSteps[0].picture));
    splash->centreOnDesktop();
    splash->show();
    bool first = true;
    for (const SplashStep &step : SplashSteps) {
        if (!first && splash && !splash->skipped())
            splash->loadPicture(localPicture(step.picture));
        first = false;
        QElapsedTimer t0;
        t0.start();
        if (setVolumeLevel)
            setVolumeLevel(step.volumeLevel);
        waitSince(t0, desktop.holdTime(step.holdMs), [&splash] { return splash && splash->skipped(); });
    }
    delete splash.data();
}
