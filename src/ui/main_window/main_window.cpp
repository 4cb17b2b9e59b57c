// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's widget tree, its engine and its geometry.
#include "ui/main_window/main_window.h"

#include "round/kept_round_file.h"
#include "round/qt_round_timer.h"
#include "round/round_engine.h"
#include "round/todays_round.h"
#include "settings/settings_file.h"
#include "sound/sound_layer.h"
#include "sound/sound_menu.h"
#include "ui/accessibility/control_names.h"
#include "ui/accessibility/round_news.h"
#include "ui/background/background_image.h"
#include "ui/background/board_background.h"
#include "ui/board/board_panel.h"
#include "ui/board/board_scroll.h"
#include "ui/board/board_view.h"
#include "ui/board/colour_cues.h"
#include "ui/board/hover_hints.h"
#include "ui/board/keyboard_play.h"
#include "ui/board/board_zoom.h"
#include "ui/board/tile_widget.h"
#include "ui/main_window/activation_tracker.h"
#include "ui/main_window/banner.h"
#include "ui/main_window/help_links.h"
#include "ui/main_window/main_menus.h"
#include "ui/board/palette.h"
#include "ui/main_window/round_cards.h"
#include "ui/main_window/status_panel.h"
#include "ui/main_window/window_look.h"
#include "ui/options/options_dialog.h"
#include "ui/styles/tile_look_holder.h"
#include "words/kbase.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

using WindowLook::classicFont;
using WindowLook::paint;

TfrmMain::TfrmMain(Desktop &desktop, OptionsModel &options, SettingsFile &settings, const EngineMaker &makeEngine,
                   QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_desktop(desktop), m_options(options), m_settings(settings),
      m_sound(std::make_unique<SilentSoundLayer>()),
      m_soundMenu(std::make_unique<SoundMenu>(*m_sound))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Splitwick"));
    paint(this, QColor(128, 128, 255));

    m_penaltyTimer = std::make_unique<QtRoundTimer>(15000);
    m_penaltyTimer->timer()->setObjectName(QStringLiteral("Timer1"));
    m_penaltyTimer->timer()->setParent(this);

    QWidget *client = buildBoard();
    m_look = std::make_unique<TileLookHolder>(*m_templateTile, *m_boardPanel);
    m_background = std::make_unique<BoardBackground>(*m_backgroundImage);
    m_menus = new MainMenus(menuBar(), m_boardPanel, this);
    m_statusPanel = new StatusPanel(m_menus->mainItem(MenuCommand::Banner), client);
    client->layout()->addWidget(m_statusPanel);
    setCentralWidget(client);
    // High contrast reaches the status line as soon as it is ticked.
    connect(&m_options, &OptionsModel::changed, m_statusPanel, [this] {
        Palette::setHighContrast(m_options.highContrast());
        m_statusPanel->refreshContrast();
    });

    connect(m_menus, &MainMenus::chosen, this, &TfrmMain::runCommand);
    // "Banner" is wired by the Banner itself; "Hover Hints" by the hint switch.
    HoverHints::bindHintsAction(m_menus->mainItem(MenuCommand::HoverHints));
    // Ways out of the game that this build has no address for are not offered.
    m_menus->setOffered(MenuCommand::EmailSupport, !HelpLinks::addresses().supportMailbox.isEmpty());
    m_menus->setOffered(MenuCommand::WebSite, !HelpLinks::addresses().webSite.isEmpty());
    m_menus->setOffered(MenuCommand::NewsAndGames, !HelpLinks::addresses().newsPage.isEmpty());

    // The window sees keys before its menus (the shortcut hook).
    qApp->installEventFilter(this);
    new ActivationTracker(this, [this] { FormActivate(); }, this);

    // The window opens at its design size, the board at the zoom kept from the last run.
    m_zoom = BoardZoom::fromStored(m_settings.readInteger(OptionsSection, BoardZoom::Key, BoardZoom::Natural));
    m_boardPanel->setNaturalSize(QSize(DesignClientWidth, DesignClientHeight - StatusPanel::Height));
    setMinimumSize(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());
    resize(minimumSize() + m_boardPanel->naturalSize() * (m_zoom - 100) / 100);
    FormCreate();
    attachEngine(makeEngine);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    // The view listens to the engine's board: it goes first.
    m_cards.reset();
    m_keyboardPlay.reset();
    m_boardView.reset();
    m_engine.reset();
}

QWidget *TfrmMain::buildBoard()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The board: lowered outer and inner bevels.
    m_boardPanel = new BoardPanel(client);
    paint(m_boardPanel, QColor(188, 156, 248), QColor(128, 0, 64));
    m_boardPanel->setFont(classicFont(QStringLiteral("MS Sans Serif"), 13, true));
    m_boardPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    m_boardPanel->installEventFilter(this);
    // The game area scrolls only when a round's window would not fit the screen.
    m_boardScroll = new BoardScroll(m_boardPanel, client);
    layout->addWidget(m_boardScroll, 1);

    m_backgroundImage = new BackgroundImage(m_boardPanel);
    m_backgroundImage->setObjectName(QStringLiteral("Image2"));
    m_boardPanel->setBackground(m_backgroundImage);

    m_templateTile = makeTemplateTile(m_boardPanel);
    m_templateTile->setObjectName(QStringLiteral("pCopy"));
    m_templateTile->hide();
    return client;
}

void TfrmMain::attachEngine(const EngineMaker &makeEngine)
{
    const RoundWiring wiring{*m_statusPanel, *this, *this, *this, *this, *m_sound, *this};
    m_engine = makeEngine(wiring, *m_penaltyTimer);
    QAction *hints = m_menus->mainItem(MenuCommand::HoverHints);
    m_engine->setHintsOnHover(hints->isChecked());
    connect(hints, &QAction::toggled, this, [this](bool on) { m_engine->setHintsOnHover(on); });
    connect(m_penaltyTimer->timer(), &QTimer::timeout, this, [this] { m_engine->Timer1Timer(); });
    m_engine->board().setTemplateHeight(m_templateTile->height());
    m_engine->board().MakeTiles();
    m_boardView = std::make_unique<BoardView>(m_boardPanel, m_templateTile, *m_engine);
    m_boardView->setDoubleClickHandler([this] { New1Click(); });
    m_keyboardPlay = std::make_unique<KeyboardPlay>(m_boardPanel, *m_engine);
    m_keyboardPlay->setFollower([this](const QRect &tile) { m_boardScroll->showBoardRect(tile); });
    m_boardView->setDropWatcher([this](int target, int source) { m_keyboardPlay->news().dropping(target, source); });
    m_boardView->setChangeWatcher([this] { m_keyboardPlay->followTiles(); });
    m_cards = std::make_unique<RoundCards>(*this, *m_boardPanel, *m_engine, m_keyboardPlay->announcer());
    m_cards->setResultOffer([this] { return TodaysRound::resultOf(*m_engine, m_settings).has_value(); });
    const bool cues = m_settings.readBool(OptionsSection, QStringLiteral("ColourBlindCues"), false);
    m_menus->setTicked(MenuCommand::ColourCues, cues);
    ColourCues::setEnabled(cues);
    applyCommands();
}

Banner &TfrmMain::banner()
{
    return m_statusPanel->banner();
}

void TfrmMain::setSoundLayer(std::unique_ptr<SoundLayer> sound)
{
    if (!sound)
        return;
    m_soundMenu->setTicksChangedHandler(nullptr);
    m_sound = std::move(sound);
    m_soundMenu->setOutput(*m_sound);
    m_engine->setSound(*m_sound);
    // Creation has run: the new layer's volume is the one to put back at close.
    m_sound->saveDeviceVolume();
    m_soundMenu->setTicks(m_menus->ticked(MenuCommand::SoundEffects), m_menus->ticked(MenuCommand::Music));
    m_soundMenu->setTicksChangedHandler([this] { showSoundTicks(); });
}

int TfrmMain::fullScreenClientHeight() const
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().height() : 0;
    // A maximised window's client: the available height less the title bar and
    // borders (known once the window has a frame) and the menu bar.
    const int frame = frameGeometry().height() - geometry().height();
    return available - frame - menuBar()->sizeHint().height();
}

void TfrmMain::setOuterGeometry(int left, int top, int width, int height)
{
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const int extraWidth = frame.width() - inner.width();
    const int extraHeight = frame.height() - inner.height();
    resize(qMax(minimumWidth(), width - extraWidth), qMax(minimumHeight(), height - extraHeight));
    move(left, top);
}

int TfrmMain::dayNumber(const QDate &date)
{
    return int(QDate(1899, 12, 30).daysTo(date));
}

void TfrmMain::FormCreate()
{
    m_templateTile->resize(m_templateTile->width(), templateHeightFor(fullScreenClientHeight()));
    m_sound->saveDeviceVolume();
}

void TfrmMain::setOptionsDialog(Tfo *dialog)
{
    m_optionsDialog = dialog;
    ControlNames::nameControlsOnShow(*dialog);
    applyCommands();
}

void TfrmMain::applyCommands()
{
    const RoundCommands &commands = m_engine->commands();
    m_menus->applyCommands(commands);
    showRoundCode();
    m_statusPanel->setModeText(m_engine->modeText());
    if (m_optionsDialog) {
        m_optionsDialog->setNewCellsEnabled(commands.newCells);
        m_optionsDialog->setSettingsPageEnabled(commands.settingsPage);
    }
}
