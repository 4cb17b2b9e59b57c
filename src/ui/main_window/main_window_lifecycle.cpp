// The main window's show, activation and close steps, and the commands that
// open other windows.
#include "ui/main_window/main_window.h"
#include "ui/desktop/game_language.h"

#include "round/qt_round_timer.h"
#include "round/round_engine.h"
#include "ui/options/options_dialog.h"
#include "base/game_error.h"
#include "settings/options_model.h"
#include "settings/player_folders.h"
#include "settings/settings_file.h"
#include "sound/sound_layer.h"
#include "ui/windows/about_window.h"
#include "ui/background/board_background.h"
#include "ui/background/background_image.h"
#include "ui/main_window/banner.h"
#include "ui/board/colour_cues.h"
#include "ui/main_window/help_links.h"
#include "ui/desktop/desktop.h"
#include "ui/board/keyboard_play.h"
#include "ui/main_window/round_number_dialog.h"
#include "ui/windows/splash_window.h"
#include "ui/statistics/score_window.h"
#include "ui/styles/style_dialog.h"
#include "ui/styles/tile_look_holder.h"
#include "ui/board/tile_widget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QTimer>

namespace {
const QString OptionsSection = QStringLiteral("Options");
} // namespace

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
    if (m_mMusic->isChecked())
        m_sound->StartMusic();
    m_sound->setOutputLevel(SoundLevels::Quiet);
    if (m_splashEnabled)
        runSplashSequence(m_desktop, [this](int level) { m_sound->setOutputLevel(level); }, this);
    m_banner->startTimer();
}

void TfrmMain::FormActivate()
{
    ++m_activationCount;
    if (m_activationCount == 1)
        fitTemplateToFrame();
    if (m_settings) {
        restoreLook();
        newsCheck();
    }
    if (m_options && m_options->dictionaryIndex() < 0) // a first start in French plays French words
        m_options->selectDictionary(languageDictionary(gameLanguage()));
    if (m_options && m_options->dictionaryIndex() < 0)
        m_options->setDictionaryIndex(1);
    m_banner->ShowNextBannerLine();
}

void TfrmMain::fitTemplateToFrame()
{
    // At creation the window had no frame yet; now that the window system has
    // given it one, the full-screen client height is known exactly. No round
    // can have been dealt before the first activation.
    const int height = templateHeightFor(fullScreenClientHeight());
    if (height == m_pCopy->height() || !m_engine || m_engine->board().TileCount() > 0)
        return;
    m_pCopy->resize(m_pCopy->width(), height);
    m_engine->board().setTemplateHeight(height);
    m_engine->board().MakeTiles();
}

void TfrmMain::restoreLook()
{
    m_look->restore(*m_settings);
    m_background->restore(*m_settings, PlayerFolders::existingFilePath(QStringLiteral("XQBG.BMP")));
}

void TfrmMain::newsCheck()
{
    const int today = dayNumber(QDate::currentDate());
    const int last = m_settings->readInteger(OptionsSection, QStringLiteral("lnd"), 0);
    if (today - last > 30) {
        HelpLinks::TryOtherGames1Click(m_desktop, this);
        // A settings file that cannot be written is reported; the rest of the
        // activation (the dictionary, the banner) still runs.
        try {
            m_settings->writeInteger(OptionsSection, QStringLiteral("lnd"), today);
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
    m_banner->clear();
    QCoreApplication::processEvents();
    // Nothing here may keep the program from ending: a failed write is shown and closing goes on.
    if (m_options && m_settings) {
        try {
            m_options->save(*m_settings);
        } catch (const GameError &error) {
            showError(error.message());
        }
    }
    m_bTimer->stop();
    m_timer1->stop();
    if (m_mMusic->isChecked())
        fadeOutMusic(*m_sound, [] { QCoreApplication::processEvents(); });
    m_sound->stopAll();
    m_sound->restoreDeviceVolume();
    if (m_image2->hasPicture()) {
        const QString path = PlayerFolders::writtenFilePath(QStringLiteral("XQBG.BMP"));
        if (!m_image2->savePicture(path))
            showError(QStringLiteral("Unable to write to %1").arg(path));
    }
    m_sound->closeMediaPlayer();
}

void TfrmMain::New1Click()
{
    if (m_engine)
        m_engine->New1Click();
    if (m_keyboardPlay)
        m_keyboardPlay->roundDealt();
}

void TfrmMain::RoundNumberClick()
{
    if (!m_engine || !m_engine->commands().newGame)
        return;
    RoundNumberDialog dialog(m_engine->roundNumber(), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.number())
        return;
    m_engine->dealRound(*dialog.number());
    if (m_keyboardPlay)
        m_keyboardPlay->roundDealt();
}

void TfrmMain::ColourCuesClick()
{
    // The action has set its tick already.
    ColourCues::setEnabled(m_mCues->isChecked());
    if (!m_settings)
        return;
    try {
        m_settings->writeBool(OptionsSection, QStringLiteral("ColourBlindCues"), m_mCues->isChecked());
    } catch (const GameError &error) {
        showError(error.message());
    }
}

void TfrmMain::Options1Click()
{
    if (!m_optionsDialog)
        return;
    if (m_optionsDialog->exec() == Tfo::NewCellsResult)
        New1Click();
}

void TfrmMain::HonorRoll2Click()
{
    if (m_scoreWindow)
        m_scoreWindow->exec();
}

void TfrmMain::Styles1Click()
{
    if (m_styleDialog)
        m_styleDialog->showStyles();
}

void TfrmMain::About2Click()
{
    if (m_aboutBox) {
        m_aboutBox->exec();
        return;
    }
    TfrmAbout about(this);
    about.exec();
}

void TfrmMain::Contents1Click()
{
    HelpLinks::Contents1Click(m_desktop);
}

void TfrmMain::notAvailableYet(const QString &what)
{
    m_desktop.showMessage(this, Desktop::BoxKind::Information, windowTitle(),
                         QStringLiteral("%1 is not available yet.").arg(what));
}
