// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog's sound page: the sound choosers, the volume, the download button.
#include "ui/options/options_dialog.h"

#include "ui/desktop/desktop.h"
#include "ui/main_window/help_links.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char *const DownloadQuestion = QT_TRANSLATE_NOOP("Tfo", "Check our website via the internet for music and sound?");
// The page name is kept scrambled (each character one code higher) and only
// unscrambled when it is used: "sounds.htm".
const QString ScrambledDownloadPage = QStringLiteral("tpvoet/iun");

QString unscramble(const QString &scrambled)
{
    QString plain = scrambled;
    for (QChar &c : plain)
        c = QChar(char16_t(c.unicode() - 1));
    return plain;
}

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

QWidget *Tfo::buildSoundPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto *choosers = new QGridLayout;
    int row = 0;
    for (int i = 0; i < SoundSlotCount; ++i) {
        const auto slot = SoundSlot(i);
        if (slot == SoundSlot::GoodDrop)
            choosers->addWidget(boldLabel(tr("Sound Effects ..."), page), row++, 0, 1, 2);
        auto *box = new QComboBox(page);
        box->setObjectName(soundSlotName(slot));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumContentsLength(16);
        QLabel *label = slot == SoundSlot::Music ? boldLabel(soundSlotCaption(slot), page)
                                                 : new QLabel(soundSlotCaption(slot), page);
        label->setBuddy(box);
        choosers->addWidget(label, row, 0);
        choosers->addWidget(box, row, 1);
        ++row;
        m_soundBoxes[i] = box;
    }

    // The slider reads as loudness, 1 to 15, so that Up and the spoken level
    // rise together; the options keep the track bar's position (1 the loudest).
    m_tbSound = new QSlider(Qt::Vertical, page);
    m_tbSound->setObjectName(QStringLiteral("tbSound"));
    m_tbSound->setRange(1, 15);
    m_tbSound->setPageStep(1);
    m_tbSound->setTickPosition(QSlider::TicksBothSides);
    m_tbSound->setTickInterval(1);
    m_tbSound->setValue(8); // the middle either way
    auto *volume = new QGridLayout;
    auto *louder = new QLabel(tr("Louder"), page);
    volume->addWidget(louder, 0, 0, Qt::AlignHCenter);
    volume->addWidget(m_tbSound, 1, 0, Qt::AlignHCenter);
    // With its buddy the label takes "&&" for the "&" it shows. Only the
    // caption names the slider: "Louder" would be read as its name.
    auto *volumeCaption = new QLabel(tr("Sound && Music Volume"), page);
    volumeCaption->setWordWrap(true);
    volume->addWidget(volumeCaption, 1, 1);
    auto *quieter = new QLabel(tr("Quieter"), page);
    volume->addWidget(quieter, 2, 0, Qt::AlignHCenter);
    volumeCaption->setBuddy(m_tbSound);
    m_tbSound->setAccessibleName(tr("Sound & Music Volume"));

    m_bMusic = new QPushButton(tr("Download More Sounds && Music"), page);
    m_bMusic->setObjectName(QStringLiteral("bMusic"));
    connect(m_bMusic, &QPushButton::clicked, this, [this] { bMusicClick(); });
    // Offered only where the project has a web site.
    m_bMusic->setVisible(!downloadPageAddress().isEmpty());

    auto *upper = new QHBoxLayout;
    upper->addLayout(choosers, 1);
    upper->addLayout(volume);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(upper);
    layout->addWidget(m_bMusic, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

// The choosers' change handlers (play a preview, start the music). Changes
// made by updateFromModel are blocked and never reach them.
void Tfo::connectSoundHandlers()
{
    for (int i = 0; i < SoundSlotCount; ++i) {
        if (SoundSlot(i) == SoundSlot::Music)
            continue;
        connect(m_soundBoxes[i], &QComboBox::currentTextChanged, this,
                [this](const QString &text) { emit effectSlotEdited(storedChoice(text)); });
    }
    QComboBox *music = m_soundBoxes[int(SoundSlot::Music)];
    connect(music, &QComboBox::textActivated, this, [this](const QString &text) {
        m_editedMusic = text;
        emit musicSlotEdited(storedChoice(text));
    });
    connect(music->lineEdit(), &QLineEdit::editingFinished, this, [this, music] {
        if (music->currentText() == m_editedMusic)
            return;
        m_editedMusic = music->currentText();
        emit musicSlotEdited(storedChoice(m_editedMusic));
    });
}

void Tfo::bMusicClick()
{
    HelpLinks::askAndOpen(m_desktop, this, tr(DownloadQuestion), QUrl(downloadPageAddress()));
}

QString Tfo::downloadPageAddress()
{
    const QString webSite = HelpLinks::addresses().webSite;
    return webSite.isEmpty() ? QString() : webSite + unscramble(ScrambledDownloadPage);
}
