// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog: the settings page, and the binding of every control to the options model.
#include "ui/options/options_dialog.h"

#include "settings/split_formats.h"
#include "ui/accessibility/choice_accessible.h"
#include "ui/accessibility/mnemonics.h"
#include "ui/accessibility/readable_palette.h"
#include "ui/accessibility/screen_fit.h"
#include "ui/board/palette.h"
#include "ui/desktop/desktop.h"
#include "ui/options/language_box.h"
#include "ui/options/word_count_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void setItems(QComboBox *box, const QStringList &items)
{
    if (itemsOf(box) == items)
        return;
    box->clear();
    box->addItems(items);
}

// "None" heads every sound chooser: the player reads it in the game's
// language, the options and the settings file keep the program's word.
const QString NoSound = QStringLiteral("None");

QStringList shownChoices(QStringList choices)
{
    for (QString &choice : choices) {
        if (choice == NoSound)
            choice = Tfo::tr("None");
    }
    return choices;
}

void setChooserText(QComboBox *box, const QString &text)
{
    if (box->currentText() == text)
        return;
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(text);
}

} // namespace

QString Tfo::shownChoice(const QString &stored)
{
    return stored == NoSound ? tr("None") : stored;
}

QString Tfo::storedChoice(const QString &shown)
{
    return shown == tr("None") ? NoSound : shown;
}

Tfo::Tfo(OptionsModel &options, Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_desktop(desktop), m_options(options)
{
    setObjectName(QStringLiteral("fo"));
    setWindowTitle(tr("Splitwick Options"));
    ChoiceAccessible::install();
    connect(&m_options, &OptionsModel::changed, this, &Tfo::updateFromModel);
    // The board draws what the option says, from the restored value on.
    Palette::setHighContrast(m_options.highContrast());
    ReadablePalette::apply(*this);
    connect(&m_options, &OptionsModel::changed, this, [this] {
        Palette::setHighContrast(m_options.highContrast());
        ReadablePalette::apply(*this);
    });
}

void Tfo::ensureWidgets()
{
    if (m_pages)
        return;
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_settingsPage = buildSettingsPage();
    // At a large scale or font the pages scroll rather than leave the screen.
    m_pages->addTab(ScreenFit::scrolled(m_settingsPage), tr("Settings"));
    m_pages->addTab(ScreenFit::scrolled(buildSoundPage()), tr("Sounds && Music"));

    m_HelpHints = new QCheckBox(tr("Help Hints"), this);
    m_HelpHints->setObjectName(QStringLiteral("HelpHints"));
    m_HelpHints->hide();

    m_OK = new QPushButton(tr("OK"), this);
    m_OK->setObjectName(QStringLiteral("bOK"));
    m_OK->setDefault(true);
    m_NewCells = new QPushButton(tr("New Cells"), this);
    m_NewCells->setObjectName(QStringLiteral("bNewWords"));
    m_NewCells->setEnabled(m_newCellsEnabled);
    connect(m_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_NewCells, &QPushButton::clicked, this, [this] { done(NewCellsResult); });

    // Beside the pages, not on "Settings": it can change while a round is in play.
    m_HighContrast = new QCheckBox(tr("High Contrast"), this);
    m_HighContrast->setObjectName(QStringLiteral("HighContrast"));

    auto *contrast = new QHBoxLayout;
    contrast->addWidget(m_HighContrast);
    auto *language = new LanguageBox(m_options, this);
    auto *languageLabel = new QLabel(tr("Language:"), this);
    languageLabel->setBuddy(language);
    auto *languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(language);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_OK);
    buttons->addWidget(m_NewCells);
    m_bottom = new QBoxLayout(QBoxLayout::LeftToRight);
    m_bottom->addLayout(contrast);
    m_bottom->addLayout(languageRow);
    m_bottom->addLayout(buttons, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(m_bottom);

    updateFromModel();
    connectModel();
    Mnemonics::assign(*this);
}

void Tfo::setVisible(bool visible)
{
    if (visible)
        ensureWidgets();
    QDialog::setVisible(visible);
}

void Tfo::setNewCellsEnabled(bool enabled)
{
    m_newCellsEnabled = enabled;
    if (m_NewCells)
        m_NewCells->setEnabled(enabled);
}

void Tfo::setSettingsPageEnabled(bool enabled)
{
    m_settingsPageEnabled = enabled;
    if (m_settingsPage)
        m_settingsPage->setEnabled(enabled);
}

Tfo::~Tfo() = default;

QWidget *Tfo::buildSettingsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));

    m_dictionaryLabel = new QLabel(tr("Dictionary:"), page);
    m_dictionaryLabel->setObjectName(QStringLiteral("lDictionary"));
    m_dictionaryLabel->installEventFilter(this);
    m_Dictionary = new QComboBox(page);
    m_Dictionary->setObjectName(QStringLiteral("Dictionary"));
    m_Dictionary->setEditable(false);
    m_Dictionary->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_Dictionary->setMinimumContentsLength(14);
    // A combo box reads out its choice; its label says what it chooses.
    m_dictionaryLabel->setBuddy(m_Dictionary);

    auto *wordsLabel = new QLabel(tr("Number of Words:"), page);
    m_nWords = new WordCountBox(page);
    m_nWords->setObjectName(QStringLiteral("nWords"));
    m_nWords->setRange(4, 45);
    m_nWords->setValue(10);
    m_nWords->setBeep([this] { m_desktop.beep(); });
    wordsLabel->setBuddy(m_nWords);

    auto *fixedGroup = new QGroupBox(tr("Initial Fixed Cell:"), page);
    fixedGroup->setObjectName(QStringLiteral("FixedCell"));
    auto *fixedLayout = new QVBoxLayout(fixedGroup);
    // Display order; the model's order is First, Middle, Last, Random, NotFirst.
    static const std::array<std::pair<FixedCell, const char *>, FixedCellCount> fixedCaptions = {{
        {FixedCell::First, QT_TR_NOOP("First")},
        {FixedCell::Middle, QT_TR_NOOP("Middle")},
        {FixedCell::Last, QT_TR_NOOP("Last")},
        {FixedCell::Random, QT_TR_NOOP("Random")},
        {FixedCell::NotFirst, QT_TR_NOOP("Not First")},
    }};
    for (const auto &[choice, caption] : fixedCaptions) {
        auto *button = new QRadioButton(tr(caption), fixedGroup);
        button->setObjectName(fixedCellName(choice));
        // Exclusive, so that they read as radio buttons and the arrows move
        // among them; the model keeps the rule that none may be checked.
        fixedLayout->addWidget(button);
        m_fixed[int(choice)] = button;
    }

    m_Def = new QCheckBox(tr("Show Definitions"), page);
    m_Def->setObjectName(QStringLiteral("Def"));
    m_Proximity = new QCheckBox(tr("Proximity"), page);
    m_Proximity->setObjectName(QStringLiteral("Proximity"));
    m_Proximity->hide();
    m_Vowels = new QCheckBox(tr("Vowels"), page);
    m_Vowels->setObjectName(QStringLiteral("Vowels"));
    m_Vowels->hide();

    auto *handicapGroup = new QGroupBox(tr("Handicap Level:"), page);
    handicapGroup->setObjectName(QStringLiteral("HandicapLevel"));
    m_handicap = new QSlider(Qt::Vertical, handicapGroup);
    m_handicap->setObjectName(QStringLiteral("handicap"));
    m_handicap->setRange(-3, 3);
    m_handicap->setSingleStep(1);
    m_handicap->setPageStep(1);
    m_handicap->setTickPosition(QSlider::TicksBothSides);
    m_handicap->setTickInterval(1);
    // -3 at the top, and Up moves the handle up.
    m_handicap->setInvertedAppearance(true);
    m_handicap->setInvertedControls(true);
    m_handicap->setValue(0);
    m_handicap->setMinimumHeight(110);
    m_handicap->setAccessibleName(tr("Handicap Level"));
    auto *handicapLayout = new QGridLayout(handicapGroup);
    handicapLayout->addWidget(m_handicap, 0, 0, 3, 1);
    const std::array<std::pair<const char *, Qt::Alignment>, 3> handicapMarks = {{
        {QT_TR_NOOP("Easier to play"), Qt::AlignTop}, {QT_TR_NOOP("Neutral"), Qt::AlignVCenter},
        {QT_TR_NOOP("Greater challenge"), Qt::AlignBottom}}};
    for (int i = 0; i < 3; ++i) {
        // Not its buddies: a screen reader would name the slider by the first of them.
        auto *mark = new QLabel(tr(handicapMarks[i].first), handicapGroup);
        handicapLayout->addWidget(mark, i, 1, handicapMarks[i].second);
    }

    auto *presetsBox = new QGroupBox(tr("Split Word Format:"), page);
    presetsBox->setObjectName(QStringLiteral("Presets"));
    m_Presets = new QButtonGroup(presetsBox);
    m_Presets->setObjectName(QStringLiteral("PresetsGroup"));
    auto *presetsLayout = new QGridLayout(presetsBox);
    const int perColumn = 12;
    for (int i = 0; i < SplitFormatCount; ++i) {
        auto *button = new QRadioButton(splitFormatCaption(splitFormats()[i]), presetsBox);
        button->setObjectName(QStringLiteral("Presets%1").arg(i));
        m_Presets->addButton(button, i);
        presetsLayout->addWidget(button, i % perColumn, i / perColumn); // column by column
    }

    auto *top = new QGridLayout;
    top->addWidget(m_dictionaryLabel, 0, 0);
    top->addWidget(m_Dictionary, 0, 1);
    top->addWidget(wordsLabel, 1, 0);
    top->addWidget(m_nWords, 1, 1, Qt::AlignLeft);
    auto *left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(fixedGroup);
    left->addWidget(m_Def);
    left->addWidget(handicapGroup);
    left->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addWidget(presetsBox, 1);
    return page;
}

// The controls' edits go to the model; the model's changes come back through updateFromModel.
void Tfo::connectModel()
{
    connect(m_Dictionary, &QComboBox::currentIndexChanged, &m_options, &OptionsModel::setDictionaryIndex);
    // While a number is typed the field already reads as it will end up.
    connect(m_nWords, &WordCountBox::readingChanged, &m_options, &OptionsModel::setWordCount);
    for (int i = 0; i < FixedCellCount; ++i) {
        // A click always checks, as on a radio button; the model unchecks the rest.
        connect(m_fixed[i], &QRadioButton::clicked, this,
                [this, i] { m_options.setFixedCell(FixedCell(i), true); });
    }
    connect(m_Def, &QCheckBox::toggled, &m_options, &OptionsModel::setShowDefinitions);
    connect(m_Proximity, &QCheckBox::toggled, &m_options, &OptionsModel::setProximity);
    connect(m_Vowels, &QCheckBox::toggled, &m_options, &OptionsModel::setVowels);
    connect(m_HelpHints, &QCheckBox::toggled, &m_options, &OptionsModel::setHelpHints);
    connect(m_HighContrast, &QCheckBox::toggled, &m_options, &OptionsModel::setHighContrast);
    connect(m_handicap, &QSlider::valueChanged, &m_options, &OptionsModel::setHandicap);
    connect(m_Presets, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_options.setPresetsIndex(id);
    });
    for (int i = 0; i < SoundSlotCount; ++i) {
        connect(m_soundBoxes[i], &QComboBox::currentTextChanged, this,
                [this, i](const QString &text) { m_options.setSoundText(SoundSlot(i), storedChoice(text)); });
    }
    connectSoundHandlers();
    connect(m_tbSound, &QSlider::valueChanged, this,
            [this](int loudness) { m_options.setVolumePosition(volumePositionOf(loudness)); });
}

void Tfo::updateFromModel()
{
    if (!m_pages)
        return;
    {
        const QSignalBlocker block(m_Dictionary);
        setItems(m_Dictionary, m_options.dictionaryNames());
        m_Dictionary->setCurrentIndex(m_options.dictionaryIndex());
    }
    if (m_nWords->reading() != m_options.wordCount()) {
        const QSignalBlocker block(m_nWords);
        m_nWords->setValue(m_options.wordCount());
    }
    for (int i = 0; i < FixedCellCount; ++i) {
        const QSignalBlocker block(m_fixed[i]);
        // An exclusive button cannot be unchecked by itself.
        m_fixed[i]->setAutoExclusive(false);
        m_fixed[i]->setChecked(m_options.fixedCell(FixedCell(i)));
        m_fixed[i]->setAutoExclusive(true);
    }
    const std::array<std::pair<QCheckBox *, bool>, 5> boxes = {{{m_Def, m_options.showDefinitions()},
                                                               {m_Proximity, m_options.proximity()},
                                                               {m_Vowels, m_options.vowels()},
                                                               {m_HelpHints, m_options.helpHints()},
                                                               {m_HighContrast, m_options.highContrast()}}};
    for (const auto &[box, on] : boxes) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    {
        const QSignalBlocker block(m_handicap);
        m_handicap->setValue(m_options.handicap());
    }
    {
        const QSignalBlocker block(m_Presets);
        const int index = m_options.presetsIndex();
        if (index < 0) {
            // An exclusive group cannot uncheck its last button.
            m_Presets->setExclusive(false);
            for (QAbstractButton *button : m_Presets->buttons()) {
                const QSignalBlocker blockButton(button);
                button->setChecked(false);
            }
            m_Presets->setExclusive(true);
        } else if (!m_Presets->button(index)->isChecked()) {
            m_Presets->button(index)->setChecked(true);
        }
    }
    for (int i = 0; i < SoundSlotCount; ++i) {
        QComboBox *box = m_soundBoxes[i];
        const QSignalBlocker block(box);
        setItems(box, shownChoices(SoundSlot(i) == SoundSlot::Music ? m_options.musicChoices() : m_options.soundChoices()));
        setChooserText(box, shownChoice(m_options.soundText(SoundSlot(i))));
    }
    m_editedMusic = shownChoice(m_options.soundText(SoundSlot::Music));
    {
        const QSignalBlocker block(m_tbSound);
        m_tbSound->setValue(volumePositionOf(m_options.volumePosition()));
    }
    m_settingsPage->setEnabled(m_settingsPageEnabled);
}

void Tfo::reject()
{
    done(QDialog::Accepted);
}

void Tfo::showEvent(QShowEvent *event)
{
    // The controls below the pages stand one above the other when a row of
    // them is wider than the screen.
    m_bottom->setDirection(QBoxLayout::LeftToRight);
    if (layout()->totalMinimumSize().width() > ScreenFit::room(*this).width())
        m_bottom->setDirection(QBoxLayout::TopToBottom);
    layout()->activate(); // the window's least size follows at once
    ScreenFit::fit(*this);
    if (QWidget *owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

bool Tfo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dictionaryLabel && event->type() == QEvent::MouseButtonDblClick) {
        LabelDictionaryDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tfo::LabelDictionaryDblClick()
{
    m_desktop.beep();
    m_options.setShowParameters(!m_options.showParameters());
}
