#include "ui/main_window/main_window.h"

#include "round/qt_round_timer.h"
#include "round/round_engine.h"
#include "ui/options/options_dialog.h"
#include "settings/options_model.h"
#include "settings/settings_file.h"
#include "sound/sound_layer.h"
#include "sound/sound_menu.h"
#include "ui/main_window/activation_tracker.h"
#include "ui/background/background_image.h"
#include "ui/main_window/banner.h"
#include "ui/background/board_background.h"
#include "ui/accessibility/control_names.h"
#include "ui/board/board_scroll.h"
#include "ui/board/board_view.h"
#include "ui/board/colour_cues.h"
#include "ui/main_window/help_links.h"
#include "ui/board/hover_hints.h"
#include "ui/board/keyboard_play.h"
#include "ui/board/palette.h"
#include "ui/styles/tile_look_holder.h"
#include "ui/board/tile_widget.h"
#include "words/kbase.h"

#include <QActionGroup>
#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
void paint(QWidget *widget, const QColor &background, const QColor &text = QColor())
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Classic fonts by name, with metric look-alikes where the system lacks them.
QFont classicFont(const QString &family, int pixelSize, bool bold = false)
{
    QFont font(family);
    font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    if (family.startsWith(QLatin1String("Courier")))
        font.setFamilies({family, QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A panel with an outer and an inner bevel, drawn the way QFrame draws its edges.
QFrame *makePanel(QWidget *parent, const char *name, QFrame::Shadow outer, int lineWidth)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | outer);
    panel->setLineWidth(lineWidth);
    return panel;
}
} // namespace

TfrmMain::TfrmMain(Desktop &desktop, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      m_desktop(desktop),
      m_sound(std::make_unique<SilentSoundLayer>()),
      m_soundMenu(std::make_unique<SoundMenu>(*m_sound))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Splitwick"));
    paint(this, QColor(128, 128, 255));

    m_timer1 = std::make_unique<QtRoundTimer>(15000);
    m_timer1->timer()->setObjectName(QStringLiteral("Timer1"));
    m_timer1->timer()->setParent(this);
    m_bTimer = std::make_unique<QtRoundTimer>(Banner::TickMs);
    m_bTimer->timer()->setObjectName(QStringLiteral("bTimer"));
    m_bTimer->timer()->setParent(this);

    buildWidgets();
    m_look = std::make_unique<TileLookHolder>(*m_pCopy, QList<TileWidget *>(m_tiles.begin(), m_tiles.end()));
    m_background = std::make_unique<BoardBackground>(*m_image2);
    buildMenus();
    buildPopupMenu();
    m_banner = new Banner(m_lb, m_Banner, m_bTimer->timer(), this);
    connectActions();

    // The window sees keys before its menus (the shortcut hook).
    qApp->installEventFilter(this);
    m_activation = new ActivationTracker(this, [this] { FormActivate(); }, this);

    setFixedSize(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    // The view listens to the engine's board: it goes first.
    m_keyboardPlay.reset();
    m_boardView.reset();
    m_engine.reset();
}

void TfrmMain::buildWidgets()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The board: lowered outer and inner bevels.
    m_pGame = makePanel(client, "pGame", QFrame::Sunken, 2);
    paint(m_pGame, QColor(188, 156, 248), QColor(128, 0, 64));
    m_pGame->setFont(classicFont(QStringLiteral("MS Sans Serif"), 13, true));
    m_pGame->setContextMenuPolicy(Qt::CustomContextMenu);
    m_pGame->installEventFilter(this);
    // The game area scrolls only when a round's window would not fit the screen.
    m_boardScroll = new BoardScroll(m_pGame, client);
    layout->addWidget(m_boardScroll, 1);

    m_image2 = new BackgroundImage(m_pGame);
    m_image2->setObjectName(QStringLiteral("Image2"));

    m_pCopy = makeTemplateTile(m_pGame);
    m_pCopy->setObjectName(QStringLiteral("pCopy"));
    m_pCopy->hide();

    for (int slot = 1; slot <= TileCountInPool; ++slot) {
        auto *tile = new TileWidget(m_pGame, slot);
        tile->setObjectName(QStringLiteral("tile%1").arg(slot));
        tile->hide();
        m_tiles[size_t(slot - 1)] = tile;
    }

    // Status bar: raised inner bevel in a lowered outer one.
    m_pStatus = makePanel(client, "pStatus", QFrame::Sunken, 1);
    paint(m_pStatus, QColor(129, 68, 242));
    m_pStatus->setFixedHeight(StatusHeight);
    layout->addWidget(m_pStatus);
    auto *statusLayout = new QHBoxLayout(m_pStatus);
    statusLayout->setContentsMargins(1, 1, 1, 1);
    statusLayout->setSpacing(0);

    m_ppp = makePanel(m_pStatus, "ppp", QFrame::Raised, 1);
    paint(m_ppp, QColor(188, 156, 248), QColor(128, 0, 64));
    m_ppp->setFont(classicFont(QStringLiteral("MS Sans Serif"), 11));
    statusLayout->addWidget(m_ppp);

    m_ratingFrame = makePanel(m_ppp, "ratingFrame", QFrame::Sunken, 2);
    paint(m_ratingFrame, QColor(0, 0, 128));
    m_ratingFrame->setGeometry(1, 1, 32, StatusHeight - 4);

    m_counter = new QLabel(QStringLiteral("0"), m_ratingFrame);
    m_counter->setObjectName(QStringLiteral("Counter"));
    m_counter->setAlignment(Qt::AlignCenter);
    m_counter->setFont(classicFont(QStringLiteral("Courier New"), 13, true));
    paint(m_counter, Palette::ratingBackground(RatingBand::Below26), QColor(Qt::yellow));
    m_counter->setGeometry(m_ratingFrame->contentsRect());
    HoverHints::setHint(m_counter, HoverHints::RatingHint);

    m_lb = new QLabel(m_ppp);
    m_lb->setObjectName(QStringLiteral("LB"));
    m_lb->setGeometry(36, 4, 285, 14);
    m_lb->setFont(classicFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette lbPalette = m_lb->palette();
    lbPalette.setColor(QPalette::WindowText, QColor(242, 231, 85));
    m_lb->setPalette(lbPalette);

    m_lROund = new QLabel(m_ppp);
    m_lROund->setObjectName(QStringLiteral("lROund"));
    m_lROund->setFont(classicFont(QStringLiteral("Arial"), 9));
    m_lROund->hide();

    setCentralWidget(client);
}

QAction *TfrmMain::addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

void TfrmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The menu bar keeps the desktop's colours; only the game's areas take the window's.
    QPalette desktop = QApplication::palette(bar);
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    bar->setPalette(desktop);

    QMenu *file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    m_HonorRoll2 = addItem(file, "HonorRoll2", QStringLiteral("Statistics"));
    m_Exit1 = addItem(file, "Exit1", QStringLiteral("Exit"));

    QMenu *game = bar->addMenu(QStringLiteral("Game"));
    game->setObjectName(QStringLiteral("Game2"));
    m_Game1 = addItem(game, "Game1", QStringLiteral("New Game"), QKeySequence(Qt::Key_F2));
    game->addSeparator()->setObjectName(QStringLiteral("N4"));
    m_mReveal = addItem(game, "mReveal", QStringLiteral("Clue"), QKeySequence(Qt::Key_F11));
    m_mSolve = addItem(game, "mSolve", QStringLiteral("Solve"), QKeySequence(Qt::Key_F12));
    m_mReveal->setEnabled(false);
    m_mSolve->setEnabled(false);
    game->addSeparator()->setObjectName(QStringLiteral("NRound"));
    m_mRoundNumber = addItem(game, "mRoundNumber", QStringLiteral("Round Number..."));

    QMenu *options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("Options2"));
    m_mSettings = addItem(options, "mSettings", QStringLiteral("Settings"), QKeySequence(Qt::Key_F7));
    m_Styles1 = addItem(options, "Styles1", QStringLiteral("Styles"), QKeySequence(Qt::Key_F8));
    options->addSeparator()->setObjectName(QStringLiteral("N7"));
    m_Banner = addItem(options, "Banner", QStringLiteral("Banner"));
    m_mHints = addItem(options, "mHints", QStringLiteral("Hover Hints"));
    m_mHints->setCheckable(true);
    m_mHints->setChecked(true);
    m_mCues = addItem(options, "mCues", QStringLiteral("Colour-blind Cues"));
    m_mCues->setCheckable(true);
    options->addSeparator()->setObjectName(QStringLiteral("N8"));
    // One radio group in which unticking the ticked item leaves both unticked.
    m_mSOund = addItem(options, "mSOund", QStringLiteral("Sound Effects"));
    m_mMusic = addItem(options, "mMusic", QStringLiteral("Music"));
    auto *soundGroup = new QActionGroup(this);
    soundGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction *item : {m_mSOund, m_mMusic}) {
        item->setCheckable(true);
        soundGroup->addAction(item);
    }
    m_mMusic->setChecked(true);

    QMenu *help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help2"));
    m_Contents1 = addItem(help, "Contents1", QStringLiteral("How to Play"), QKeySequence(Qt::Key_F1));
    help->addSeparator()->setObjectName(QStringLiteral("N6"));
    m_ByEmail1 = addItem(help, "ByEmail1", QStringLiteral("E-mail Support"));
    m_TryOtherGames1 = addItem(help, "TryOtherGames1", QStringLiteral("News and New Games"));
    m_WebSite2 = addItem(help, "WebSite2", QStringLiteral("Web Site"));
    help->addSeparator()->setObjectName(QStringLiteral("N5"));
    m_About3 = addItem(help, "About3", QStringLiteral("About"));
}

void TfrmMain::buildPopupMenu()
{
    // The pop-up's keys are shown but never looked up: a menu that is not
    // open serves no shortcut, and the main menu and the hook serve the same keys.
    m_popup = new QMenu(m_pGame);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_Help1 = addItem(m_popup, "Help1", QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    m_New1 = addItem(m_popup, "New1", QStringLiteral("New Game"), QKeySequence(Qt::Key_F2));
    m_popup->addSeparator()->setObjectName(QStringLiteral("N3"));
    m_WordGame1 = addItem(m_popup, "WordGame1", QStringLiteral("Word Game"));
    m_PhraseGame1 = addItem(m_popup, "PhraseGame1", QStringLiteral("Phrase Game"));
    auto *gameGroup = new QActionGroup(this);
    for (QAction *item : {m_WordGame1, m_PhraseGame1}) {
        item->setCheckable(true);
        gameGroup->addAction(item);
    }
    m_WordGame1->setChecked(true);
    m_popup->addSeparator()->setObjectName(QStringLiteral("N2"));
    m_Settings1 = addItem(m_popup, "Settings1", QStringLiteral("Settings"), QKeySequence(Qt::Key_F7));
    m_Solve1 = addItem(m_popup, "Solve1", QStringLiteral("Solve"), QKeySequence(Qt::Key_F12));
    m_Clue1 = addItem(m_popup, "Clue1", QStringLiteral("Clue"), QKeySequence(Qt::SHIFT | Qt::Key_F12));
    m_Solve1->setEnabled(false);
    m_Clue1->setEnabled(false);
    m_HonorRoll1 = addItem(m_popup, "HonorRoll1", QStringLiteral("Honor Roll"));
    m_popup->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_MakerWebsite1 = addItem(m_popup, "MakerWebsite1", QStringLiteral("Maker Website"));
    m_About1 = addItem(m_popup, "About1", QStringLiteral("About"));
    for (QAction *action : m_popup->actions())
        action->setShortcutContext(Qt::WidgetShortcut);

    connect(m_pGame, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popup->popup(m_pGame->mapToGlobal(pos)); });
}

// The sound menu keeps the ticks and their radio rule; the menu shows them.
void TfrmMain::mMusicClick()
{
    m_soundMenu->mMusicClick();
    showSoundTicks();
}

void TfrmMain::mSOundClick()
{
    m_soundMenu->mSOundClick();
    showSoundTicks();
}

void TfrmMain::showSoundTicks()
{
    m_mSOund->setChecked(m_soundMenu->soundEffectsTicked());
    m_mMusic->setChecked(m_soundMenu->musicTicked());
}

void TfrmMain::WordGame1Click()
{
    // The game always plays words.
    m_WordGame1->setChecked(true);
}

TileWidget *TfrmMain::tile(int slot) const
{
    if (slot < 1 || slot > TileCountInPool)
        return nullptr;
    return m_tiles[size_t(slot - 1)];
}

QWidget *TfrmMain::board() const
{
    return m_pGame;
}

void TfrmMain::setSoundLayer(std::unique_ptr<SoundLayer> sound)
{
    if (!sound)
        return;
    m_soundMenu->setTicksChangedHandler(nullptr);
    m_sound = std::move(sound);
    m_soundMenu->setOutput(*m_sound);
    if (m_engine)
        m_engine->setSound(*m_sound);
    // Creation has run: the new layer's volume is the one to put back at close.
    m_sound->saveDeviceVolume();
    m_soundMenu->setTicks(m_mSOund->isChecked(), m_mMusic->isChecked());
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
    setFixedSize(qMax(1, width - extraWidth), qMax(1, height - extraHeight));
    move(left, top);
}

int TfrmMain::dayNumber(const QDate &date)
{
    return int(QDate(1899, 12, 30).daysTo(date));
}

void TfrmMain::FormCreate()
{
    m_pCopy->resize(m_pCopy->width(), templateHeightFor(fullScreenClientHeight()));
    m_sound->saveDeviceVolume();
}

void TfrmMain::setOptionsDialog(Tfo *dialog)
{
    m_optionsDialog = dialog;
    ControlNames::nameControlsOnShow(*dialog);
}

void TfrmMain::attachOptions(OptionsModel &options, SettingsFile &settings)
{
    m_options = &options;
    m_settings = &settings;
    m_boardView.reset();
    const RoundWiring wiring{*this, *this, *this, *this, *this, *m_sound, *this};
    m_engine = std::make_unique<RoundEngine>(wiring, options, settings, *m_timer1, *m_bTimer);
    m_engine->dictionary().setQuickDestroy(true);
    m_engine->board().setTemplateHeight(m_pCopy->height());
    m_engine->board().MakeTiles();
    m_boardView = std::make_unique<BoardView>(m_pGame, m_pCopy, m_tiles, *m_engine);
    m_boardView->setDoubleClickHandler([this] { New1Click(); });
    m_keyboardPlay = std::make_unique<KeyboardPlay>(m_pGame, m_tiles, *m_engine);
    m_keyboardPlay->setFollower([this](const QRect &tile) { m_boardScroll->showBoardRect(tile); });
    m_mCues->setChecked(settings.readBool(QStringLiteral("Options"), QStringLiteral("ColourBlindCues"), false));
    ColourCues::setEnabled(m_mCues->isChecked());
    applyCommands();
}

void TfrmMain::connectActions()
{
    connect(m_timer1->timer(), &QTimer::timeout, this, [this] {
        if (m_engine)
            m_engine->Timer1Timer();
    });
    connect(m_Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    connect(m_HonorRoll2, &QAction::triggered, this, [this] { HonorRoll2Click(); });
    connect(m_HonorRoll1, &QAction::triggered, this, [this] { HonorRoll2Click(); });
    connect(m_Game1, &QAction::triggered, this, [this] { New1Click(); });
    connect(m_New1, &QAction::triggered, this, [this] { New1Click(); });
    connect(m_mReveal, &QAction::triggered, this, [this] { if (m_engine) m_engine->Clue1Click(); });
    connect(m_Clue1, &QAction::triggered, this, [this] { if (m_engine) m_engine->Clue1Click(); });
    connect(m_mSolve, &QAction::triggered, this, [this] { if (m_engine) m_engine->Solve1Click(); });
    connect(m_Solve1, &QAction::triggered, this, [this] { if (m_engine) m_engine->Solve1Click(); });
    connect(m_mSettings, &QAction::triggered, this, [this] { Options1Click(); });
    connect(m_Settings1, &QAction::triggered, this, [this] { Options1Click(); });
    connect(m_Styles1, &QAction::triggered, this, [this] { Styles1Click(); });
    // "Banner" is wired by the Banner itself; "Hover Hints" by the hint switch.
    HoverHints::bindHintsAction(m_mHints);
    connect(m_mMusic, &QAction::triggered, this, [this] { mMusicClick(); });
    connect(m_mSOund, &QAction::triggered, this, [this] { mSOundClick(); });
    connect(m_mRoundNumber, &QAction::triggered, this, [this] { RoundNumberClick(); });
    connect(m_mCues, &QAction::triggered, this, [this] { ColourCuesClick(); });
    connect(m_WordGame1, &QAction::triggered, this, [this] { WordGame1Click(); });
    connect(m_PhraseGame1, &QAction::triggered, this, [this] { WordGame1Click(); });
    connect(m_Contents1, &QAction::triggered, this, [this] { Contents1Click(); });
    connect(m_Help1, &QAction::triggered, this, [this] { Contents1Click(); });
    connect(m_ByEmail1, &QAction::triggered, this, [this] { HelpLinks::ByEmail1Click(m_desktop, windowTitle()); });
    connect(m_TryOtherGames1, &QAction::triggered, this, [this] { HelpLinks::TryOtherGames1Click(m_desktop, this); });
    connect(m_WebSite2, &QAction::triggered, this, [this] { HelpLinks::WebSite2Click(m_desktop); });
    connect(m_MakerWebsite1, &QAction::triggered, this, [this] { HelpLinks::WebSite2Click(m_desktop); });
    connect(m_About3, &QAction::triggered, this, [this] { About2Click(); });
    connect(m_About1, &QAction::triggered, this, [this] { About2Click(); });
}

void TfrmMain::applyCommands()
{
    if (!m_engine)
        return;
    const RoundCommands &c = m_engine->commands();
    m_Game1->setEnabled(c.newGame);
    m_New1->setEnabled(c.newGame);
    m_mRoundNumber->setEnabled(c.newGame);
    m_mReveal->setEnabled(c.clue);
    m_mReveal->setText(c.clueCaption);
    m_mSolve->setEnabled(c.solve);
    m_Solve1->setEnabled(c.popupSolve);
    m_Clue1->setEnabled(c.popupClue);
    m_mSettings->setEnabled(c.settings);
    m_Settings1->setEnabled(c.settings);
    m_lROund->setText(m_engine->modeText());
    if (m_optionsDialog)
        m_optionsDialog->setNewCellsEnabled(c.newCells);
}
