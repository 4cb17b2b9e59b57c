// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class Desktop;

// The start-up splash: frameless, a 2 px purple frame around a 172 x 123
// client that shows one picture (177 x 129) at natural size from its
// top-left corner, clipped. A picture that cannot be read leaves a purple
// panel with the title drawn on it.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 172;
    static constexpr int ClientHeight = 123;
    static constexpr int FrameWidth = 2;

    explicit TfrmSplash(QWidget *parent = nullptr);

    // Loads a picture file (the path as given; use dataPath()). Returns false
    // and shows the plain panel when it cannot be read.
    bool loadPicture(const QString &path);
    QString pictureFile() const { return m_file; }
    bool hasPicture() const { return !m_picture.isNull(); }

    void centreOnDesktop();

    // A click on the splash or any key while it shows: the player wants the game now.
    bool skipped() const { return m_skipped; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_file;
    QImage m_picture;
    bool m_skipped = false;
};

struct SplashStep
{
    const char *picture; // relative name in the program folder
    int volumeLevel;     // output volume level while the picture shows
    int holdMs;          // shown for more than this
};

inline constexpr std::array<SplashStep, 5> SplashSteps{{
    {"xq\\splash1.bmp", 12288, 600},
    {"xq\\splash2.bmp", 24576, 600},
    {"xq\\splash3.bmp", 32768, 1200},
    {"xq\\splash4.bmp", 36864, 600},
    {"xq\\splash5.bmp", 40960, 3000},
}};

// The splash sequence at start-up: creates a splash window, shows the five
// pictures in turn, calling setVolumeLevel with each row's level, holding
// each for more than its time (as the desktop says) while events keep
// running, then destroys the splash. Once the player skips the splash the
// holds end at once, and the remaining levels follow in their order as when
// the last hold runs out. Starting the music, the level 4096
// before it and bTimer after it are the caller's.
void runSplashSequence(Desktop &desktop, const std::function<void(int level)> &setVolumeLevel,
                       QWidget *owner = nullptr);

// Waits more than ms milliseconds on the tick count, processing events throughout.
void waitProcessingEvents(int ms);
