// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's show, activation and close steps.
#include "ui/main_window/main_window.h"
#include "ui/desktop/game_language.h"

#include "base/game_error.h"
#include "round/kept_round_file.h"
#include "round/qt_round_timer.h"
#include "round/round_engine.h"
#include "settings/options_model.h"
#include "settings/player_folders.h"
#include "settings/settings_file.h"
#include "sound/sound_layer.h"
#include "sound/sound_menu.h"
#include "ui/background/background_image.h"
#include "ui/background/board_background.h"
#include "ui/board/tile_widget.h"
#include "ui/board/board_panel.h"
#include "ui/board/board_zoom.h"
#include "ui/desktop/after_first_paint.h"
#include "ui/main_window/banner.h"
#include "ui/main_window/help_links.h"
#include "ui/main_window/main_menus.h"
#include "ui/main_window/round_cards.h"
#include "ui/styles/tile_look_holder.h"
#include "ui/windows/splash_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QScreen>

void TfrmMain::setVisible(bool visible)
{
    // The first show runs the show handler (the splash) before the window appears.
    if (visible && !m_shownOnce && !m_closed) {
        m_shownOnce = true;
        FormShow();
        if (m_closed)
            return;
        centreOnScreen();
    }
    QMainWindow::setVisible(visible);
    if (visible)
        activateWindow();
}

void TfrmMain::centreOnScreen()
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void TfrmMain::FormShow()
{
    // The music starts once the splash or the window is on screen: opening
    // the audio device and decoding a long tune would hold it back.
    runAfterFirstPaint(this, [this] {
        if (m_closed)
            return;
        if (m_menus->ticked(MenuCommand::Music))
            m_sound->StartMusic();
    });
    m_sound->setOutputLevel(SoundLevels::Quiet);
    if (m_splashEnabled)
        runSplashSequence(m_desktop, [this](int level) { m_sound->setOutputLevel(level); }, this);
    // The volume slider shows the level the splash left, so that its first step goes the way it points.
    m_options.setVolumePosition(SoundMenu::sliderPositionForLevel(m_sound->outputLevel()));
    banner().startTimer();
}

void TfrmMain::FormActivate()
{
    ++m_activationCount;
    // A first start has never asked the news question, which every start writes down.
    const bool firstStart = m_activationCount == 1 && m_settings.readInteger(OptionsSection, QStringLiteral("lnd"), -1) == -1;
    if (m_activationCount == 1)
        fitTemplateToFrame();
    restoreLook();
    newsCheck();
    if (m_options.dictionaryIndex() < 0) // a first start in French plays French words
        m_options.selectDictionary(languageDictionary(gameLanguage()));
    if (m_options.dictionaryIndex() < 0)
        m_options.setDictionaryIndex(1);
    banner().ShowNextBannerLine();
    if (m_activationCount == 1)
        restoreKeptRound();
    if (firstStart && m_engine->board().TileCount() == 0)
        m_cards->showWelcome([this] { New1Click(); });
}

void TfrmMain::fitTemplateToFrame()
{
    // At creation the window had no frame yet; now that the window system has
    // given it one, the full-screen client height is known exactly. No round
    // can have been dealt before the first activation.
    const int height = templateHeightFor(fullScreenClientHeight());
    if (height == m_templateTile->height() || m_engine->board().TileCount() > 0)
        return;
    m_templateTile->resize(m_templateTile->width(), height);
    m_engine->board().setTemplateHeight(height);
    m_engine->board().MakeTiles();
}

void TfrmMain::restoreLook()
{
    m_look->restore(m_settings);
    m_background->restore(m_settings, PlayerFolders::existingFilePath(QStringLiteral("XQBG.BMP")));
}

void TfrmMain::newsCheck()
{
    const int today = dayNumber(QDate::currentDate());
    const int last = m_settings.readInteger(OptionsSection, QStringLiteral("lnd"), 0);
    if (today - last > 30) {
        HelpLinks::TryOtherGames1Click(m_desktop, this);
        // A settings file that cannot be written is reported; the rest of the
        // activation (the dictionary, the banner) still runs.
        try {
            m_settings.writeInteger(OptionsSection, QStringLiteral("lnd"), today);
        } catch (const GameError &error) {
            showError(error.message());
        }
    }
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    event->accept();
    emit closed();
}

void TfrmMain::FormClose()
{
    banner().clear();
    QCoreApplication::processEvents();
    closeSteps(true, [this](const QString &text) { showError(text); });
}

void TfrmMain::displayLost()
{
    if (m_closed)
        return;
    m_closed = true;
    closeSteps(false, [](const QString &text) { qWarning("%s", qUtf8Printable(text)); });
    // The process ends right after: the kept round is on disk first.
    if (m_keptRound)
        m_keptRound->waitForWrites();
}

void TfrmMain::closeSteps(bool withDisplay, const std::function<void(const QString &)> &report)
{
    // Nothing here may keep the program from ending: a failed write is reported and closing goes on.
    try {
        m_options.save(m_settings);
        // A window sized by hand keeps its board's size too; a maximised one the zoom chosen before.
        if (!isMaximized() && !isFullScreen())
            m_zoom = BoardZoom::fromStored(qRound(m_boardPanel->scale() * 100));
        if (m_zoom != m_settings.readInteger(OptionsSection, BoardZoom::Key, BoardZoom::Natural))
            m_settings.writeInteger(OptionsSection, BoardZoom::Key, m_zoom);
    } catch (const GameError &error) {
        report(error.message());
    }
    banner().stopTimer();
    m_engine->keepRound(); // with the clock's time to its next tick
    m_penaltyTimer->stop();
    if (withDisplay && m_menus->ticked(MenuCommand::Music))
        fadeOutMusic(*m_sound, [] { QCoreApplication::processEvents(); });
    m_sound->stopAll();
    m_sound->restoreDeviceVolume();
    if (m_backgroundImage->hasPicture()) {
        const QString path = PlayerFolders::writtenFilePath(QStringLiteral("XQBG.BMP"));
        if (!m_backgroundImage->savePicture(path))
            report(QCoreApplication::translate("Files", "Unable to write to %1").arg(path));
    }
    m_sound->closeMediaPlayer();
}
