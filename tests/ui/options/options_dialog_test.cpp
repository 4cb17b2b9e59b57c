// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog is a live view of the options: it shows what the
// installation restored, every control edits the model at once and follows it.
#include "ui/options/options_dialog.h"
#include "settings/installation.h"
#include "base/program_folder.h"
#include "settings/settings_file.h"
#include "ui/options/word_count_box.h"
#include "support/installation_folder.h"
#include "support/temp_settings.h"
#include "support/recording_desktop.h"
#include "ui/main_window/help_links.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// "vlast" etc. of the checked fixed-cell buttons, joined by ','.
QString checkedFixed(const Tfo &dialog)
{
    QStringList on;
    for (const char *name : {"vfirst", "vmiddle", "vlast", "vRandom", "vNotFirst"}) {
        if (dialog.findChild<QRadioButton *>(name)->isChecked())
            on << name;
    }
    return on.join(',');
}

// Clicks the indicator: the middle of a stretched button may lie beside its text.
void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

struct RecordedWarnings : InstallationWarnings
{
    QStringList texts;
    void warnInstallation(const QString &text) override { texts << text; }
};

int checkedPreset(const Tfo &dialog)
{
    int found = -1;
    for (int i = 0; i < 36; ++i) {
        if (dialog.findChild<QRadioButton *>(QStringLiteral("Presets%1").arg(i))->isChecked()) {
            if (found >= 0)
                return -2; // two checked
            found = i;
        }
    }
    return found;
}

} // namespace

class OptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsAndRanges();
    void controlsBuiltOnFirstShow();
    void creationListsFolders();
    void restore_data();
    void restore();
    void saveRoundTrip();
    void clickingFormatZeroChecksMiddle();
    void fixedCellClicks();
    void wordCountTyping();
    void showParametersDoubleClick();
    void closingResults();
    void settingsPageFollowsModel();
    void downloadButton_data();
    void downloadButton();

private:
    // The options as the program finds them at start-up, then the dialog over them.
    void install();
    std::unique_ptr<Tfo> makeDialog();
    QString iniPath() const { return m_temp.path(); }

    TempSettings m_temp;
    std::unique_ptr<OptionsModel> m_options;
    RecordedWarnings m_warnings;
    std::unique_ptr<Installation> m_installation;
    RecordingDesktop m_desktop;
    QList<RecordingDesktop::Box> &m_boxes = m_desktop.boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    int &m_beeps = m_desktop.beeps;
    QList<QUrl> &m_opened = m_desktop.opened;
};

void OptionsDialogTest::init()
{
    m_temp.renew();
    fillInstallationFolder(m_temp);

    m_boxes.clear();
    m_opened.clear();
    m_beeps = 0;
    m_answer = QMessageBox::Yes;
    m_desktop.answer = [this](const RecordingDesktop::Box &) { return m_answer; };
    HelpLinks::setAddresses({"support@splitwick.test", "https://splitwick.test/", "https://splitwick.test/news/"});
}

void OptionsDialogTest::cleanup()
{
    m_installation.reset();
    m_options.reset();
    m_warnings.texts.clear();
    setProgramFolder(QString());
}

void OptionsDialogTest::install()
{
    m_installation.reset();
    m_options = std::make_unique<OptionsModel>();
    m_installation = std::make_unique<Installation>(*m_options, m_warnings);
}

std::unique_ptr<Tfo> OptionsDialogTest::makeDialog()
{
    install();
    auto dialog = std::make_unique<Tfo>(*m_options, m_desktop);
    dialog->ensureWidgets();
    return dialog;
}

void OptionsDialogTest::controlsAndRanges()
{
    const auto dialog = makeDialog();
    QCOMPARE(dialog->windowTitle(), QString("Splitwick Options"));
    const auto *pages = dialog->findChild<QTabWidget *>();
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->tabText(0), QString("Settings"));
    QCOMPARE(pages->tabText(1), QString("Sounds && Music"));

    QVERIFY(!dialog->findChild<QComboBox *>("Dictionary")->isEditable());
    const auto *words = dialog->findChild<WordCountBox *>("nWords");
    QCOMPARE(std::make_pair(words->minimum(), words->maximum()), std::make_pair(4, 45));
    QCOMPARE(words->value(), 10);
    const auto *handicap = dialog->findChild<QSlider *>("handicap");
    QCOMPARE(std::make_tuple(handicap->orientation(), handicap->minimum(), handicap->maximum(), handicap->value()),
             std::make_tuple(Qt::Vertical, -3, 3, 0));
    const auto *volume = dialog->findChild<QSlider *>("tbSound");
    QCOMPARE(std::make_tuple(volume->orientation(), volume->minimum(), volume->maximum(), volume->value()),
             std::make_tuple(Qt::Vertical, 1, 15, 8));
    for (int i = 0; i < SoundSlotCount; ++i)
        QVERIFY(dialog->findChild<QComboBox *>(soundSlotName(SoundSlot(i)))->isEditable());
    for (const char *hidden : {"Proximity", "Vowels", "HelpHints"})
        QVERIFY(dialog->findChild<QCheckBox *>(hidden)->isHidden());
    QCOMPARE(dialog->findChild<QPushButton *>("bMusic")->text(), QString("Download More Sounds && Music"));

    // The formats fill three columns of twelve, column by column.
    dialog->show();
    const auto pos = [&](int i) {
        return dialog->findChild<QRadioButton *>(QStringLiteral("Presets%1").arg(i))->geometry().topLeft();
    };
    for (int i = 1; i < 36; ++i) {
        if (i % 12 == 0) {
            QVERIFY(pos(i).x() > pos(i - 12).x());
            QCOMPARE(pos(i).y(), pos(i - 12).y());
        } else {
            QCOMPARE(pos(i).x(), pos(i - 1).x());
            QVERIFY(pos(i).y() > pos(i - 1).y());
        }
    }
    // -3, the easier end, is drawn at the top.
    auto *slider = dialog->findChild<QSlider *>("handicap");
    QVERIFY(slider->invertedAppearance());
}

void OptionsDialogTest::controlsBuiltOnFirstShow()
{
    touch(iniPath(), "[Options]\r\nPresets=4\r\nDictionary=Cities\r\n");
    install();
    Tfo dialog(*m_options, m_desktop);
    QVERIFY(!dialog.findChild<QTabWidget *>());
    QCOMPARE(dialog.options().presetsIndex(), 4);
    QCOMPARE(dialog.options().dictionaryNames().size(), 3);

    // What changed before the first showing is there when it comes.
    dialog.options().setShowDefinitions(true);
    dialog.setNewCellsEnabled(false);
    dialog.show();
    dialog.ensureWidgets();
    QCOMPARE(dialog.findChildren<QTabWidget *>().size(), 1);
    QCOMPARE(checkedPreset(dialog), 4);
    QCOMPARE(dialog.findChild<QComboBox *>("Dictionary")->currentText(), QString("Cities"));
    QVERIFY(dialog.findChild<QCheckBox *>("Def")->isChecked());
    auto *newCells = dialog.findChild<QPushButton *>("bNewWords");
    QVERIFY(!newCells->isEnabled());

    // The controls edit the model, and the model moves them.
    click(dialog.findChild<QRadioButton *>("Presets13"));
    QCOMPARE(dialog.options().presetsIndex(), 13);
    dialog.options().setPresetsIndex(20);
    QCOMPARE(checkedPreset(dialog), 20);
    dialog.setNewCellsEnabled(true);
    QVERIFY(newCells->isEnabled());
}

void OptionsDialogTest::creationListsFolders()
{
    const auto dialog = makeDialog();
    QCOMPARE(m_boxes.size(), 0);
    QCOMPARE(m_warnings.texts.size(), 0);
    const auto items = [&](const char *name) {
        QStringList list;
        const auto *box = dialog->findChild<QComboBox *>(name);
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    };
    QCOMPARE(items("Dictionary"), (QStringList{"animals", "Birds", "Cities"}));
    QCOMPARE(items("music"), (QStringList{"None", "Calm.MUSIC", "tune.mp3"}));
    const QStringList sounds{"None", "A.mp3", "b.WAV", "c.music", "E.Wav"};
    for (int i = 1; i < SoundSlotCount; ++i)
        QCOMPARE(items(qPrintable(soundSlotName(SoundSlot(i)))), sounds);
    QCOMPARE(dialog->options().soundChoices(), sounds);
    QCOMPARE(m_installation->settings().path(), iniPath());
    QCOMPARE(dialog->findChild<QComboBox *>("Dictionary")->currentIndex(), -1);
    QVERIFY(!QFile::exists(iniPath())); // reading creates nothing
}

void OptionsDialogTest::restore_data()
{
    QTest::addColumn<QByteArray>("options"); // body of [Options]; "<none>": no file
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<bool>("def");
    QTest::addColumn<QString>("goodDrop");

    QTest::newRow("first start") << QByteArray("<none>") << 0 << "" << "" << false << "";
    QTest::newRow("index 4 with Random") << QByteArray("Presets=4\r\nvRandom=1\r\n") << 4 << "vRandom" << "" << false
                                         << "";
    QTest::newRow("index 0, Last saved") << QByteArray("Presets=0\r\nvmiddle=0\r\nvlast=1\r\n") << 0 << "vlast" << ""
                                         << false << "";
    QTest::newRow("index 99") << QByteArray("Presets=99\r\n") << 35 << "" << "" << false << "";
    QTest::newRow("index -5: no format") << QByteArray("Presets=-5\r\n") << -1 << "" << "" << false << "";
    QTest::newRow("removed dictionary") << QByteArray("Dictionary=Gone\r\n") << 0 << "" << "" << false << "";
    QTest::newRow("everything") << QByteArray("Presets=$1F\r\nDictionary=Cities\r\nvNotFirst=1\r\nDef=2\r\n"
                                              "GoodDropSound=b.WAV\r\n")
                                << 31 << "vNotFirst" << "Cities" << true << "b.WAV";
    QTest::newRow("sound not in the list") << QByteArray("GoodDropSound=gone.wav\r\n") << 0 << "" << "" << false
                                           << "gone.wav";
}

void OptionsDialogTest::restore()
{
    QFETCH(QByteArray, options);
    QFETCH(int, preset);
    QFETCH(QString, fixed);
    QFETCH(QString, dictionary);
    QFETCH(bool, def);
    QFETCH(QString, goodDrop);
    if (options != "<none>")
        touch(iniPath(), "[Options]\r\n" + options);
    const auto dialog = makeDialog();
    QCOMPARE(checkedPreset(*dialog), preset);
    QCOMPARE(checkedFixed(*dialog), fixed);
    QCOMPARE(dialog->findChild<QComboBox *>("Dictionary")->currentText(), dictionary);
    QCOMPARE(dialog->findChild<QCheckBox *>("Def")->isChecked(), def);
    QCOMPARE(dialog->findChild<QComboBox *>("GoodDropSound")->currentText(), goodDrop);
    QCOMPARE(dialog->findChild<QComboBox *>("music")->currentText(), QString());
    QCOMPARE(dialog->findChild<QSpinBox *>("nWords")->value(), 10);
    QCOMPARE(dialog->options().presetsIndex(), preset);
}

void OptionsDialogTest::saveRoundTrip()
{
    {
        const auto dialog = makeDialog();
        dialog->show();
        click(dialog->findChild<QRadioButton *>("Presets13"));
        click(dialog->findChild<QRadioButton *>("vlast"));
        click(dialog->findChild<QCheckBox *>("Def"));
        dialog->findChild<QComboBox *>("Dictionary")->setCurrentIndex(1);
        dialog->findChild<QComboBox *>("music")->setCurrentIndex(2);
        auto *penalty = dialog->findChild<QComboBox *>("PenaltySound");
        penalty->lineEdit()->selectAll();
        QTest::keyClicks(penalty->lineEdit(), "mine.wav");
        dialog->findChild<QSlider *>("handicap")->setValue(2); // not saved
        // Past the desktop's language and English to the first translation, by keys.
        auto *language = dialog->findChild<QComboBox *>("Language");
        language->setFocus();
        QTest::keyClick(language, Qt::Key_Down);
        QTest::keyClick(language, Qt::Key_Down);
        dialog->options().save(m_installation->settings());
    }
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("[Options]\r\nPresets=13\r\nDictionary=Birds\r\nvmiddle=0\r\nvfirst=0\r\nvlast=1\r\n"
                        "vRandom=0\r\nvNotFirst=0\r\nProximity=0\r\nDef=1\r\nVowels=0\r\nmusic=tune.mp3\r\n"
                        "GoodDropSound=\r\nPenaltySound=mine.wav\r\nIncorrectSound=\r\nGameOverSound=\r\n"
                        "GameWonSound=\r\nNewGameSound=\r\nTimerStartSound=\r\nGoodWordSound=\r\nHelpHints=0\r\n"
                        "HighContrast=0\r\nLanguage=de\r\n"));

    const auto again = makeDialog();
    QCOMPARE(checkedPreset(*again), 13);
    QCOMPARE(checkedFixed(*again), QString("vlast"));
    QVERIFY(again->findChild<QCheckBox *>("Def")->isChecked());
    QCOMPARE(again->findChild<QComboBox *>("Dictionary")->currentText(), QString("Birds"));
    QCOMPARE(again->findChild<QComboBox *>("music")->currentText(), QString("tune.mp3"));
    QCOMPARE(again->findChild<QComboBox *>("PenaltySound")->currentText(), QString("mine.wav"));
    QCOMPARE(again->findChild<QSlider *>("handicap")->value(), 0);
    QCOMPARE(again->options().handicap(), 0);
    QCOMPARE(again->findChild<QComboBox *>("Language")->currentText(), QString("Deutsch"));
}

void OptionsDialogTest::clickingFormatZeroChecksMiddle()
{
    touch(iniPath(), "[Options]\r\nPresets=5\r\nvlast=1\r\n");
    const auto dialog = makeDialog();
    dialog->show();
    QCOMPARE(checkedFixed(*dialog), QString("vlast"));
    click(dialog->findChild<QRadioButton *>("Presets0"));
    QCOMPARE(checkedPreset(*dialog), 0);
    QCOMPARE(checkedFixed(*dialog), QString("vmiddle"));
    QCOMPARE(dialog->options().presetsText(), QString("4 letters: 1-2-1"));
    QVERIFY(dialog->options().fixedCell(FixedCell::Middle));
    // Choosing another format leaves the buttons alone.
    click(dialog->findChild<QRadioButton *>("Presets20"));
    QCOMPARE(checkedFixed(*dialog), QString("vmiddle"));
    QCOMPARE(dialog->options().presetsIndex(), 20);
}

void OptionsDialogTest::fixedCellClicks()
{
    const auto dialog = makeDialog();
    dialog->show();
    auto *first = dialog->findChild<QRadioButton *>("vfirst");
    auto *random = dialog->findChild<QRadioButton *>("vRandom");
    click(first);
    QCOMPARE(checkedFixed(*dialog), QString("vfirst"));
    click(random);
    QCOMPARE(checkedFixed(*dialog), QString("vRandom"));
    click(random); // a checked radio button stays checked
    QCOMPARE(checkedFixed(*dialog), QString("vRandom"));
    QVERIFY(dialog->options().fixedCell(FixedCell::Random));
    dialog->options().setFixedCell(FixedCell::Random, false); // none checked is allowed
    QCOMPARE(checkedFixed(*dialog), QString());
}

void OptionsDialogTest::wordCountTyping()
{
    const auto dialog = makeDialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto *words = dialog->findChild<WordCountBox *>("nWords");
    auto *edit = words->findChild<QLineEdit *>();
    const auto leave = [&] {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(words, &out);
    };

    edit->selectAll();
    QTest::keyClicks(words, "60");
    QCOMPARE(edit->text(), QString("60"));
    QCOMPARE(dialog->options().wordCount(), 45); // reads in range while typed
    leave();
    QCOMPARE(words->value(), 45);
    QCOMPARE(edit->text(), QString("45"));

    QTest::keyClick(words, Qt::Key_A);
    QTest::keyClick(words, Qt::Key_Minus);
    QCOMPARE(m_beeps, 2);
    QCOMPARE(edit->text(), QString("45"));

    edit->selectAll();
    QTest::keyClick(words, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(dialog->options().wordCount(), 4);
    leave();
    QCOMPARE(edit->text(), QString("4"));

    edit->selectAll();
    QTest::keyClicks(words, "2");
    leave();
    QCOMPARE(words->value(), 4);
    edit->selectAll();
    QTest::keyClicks(words, "17");
    QCOMPARE(dialog->options().wordCount(), 17);
    QTest::keyClick(words, Qt::Key_Up);
    QCOMPARE(dialog->options().wordCount(), 18);
    dialog->options().setWordCount(30);
    QCOMPARE(words->value(), 30);
}

void OptionsDialogTest::showParametersDoubleClick()
{
    const auto dialog = makeDialog();
    dialog->show();
    QSignalSpy spy(&dialog->options(), &OptionsModel::showParametersChanged);
    auto *label = dialog->findChild<QLabel *>("lDictionary");
    QCOMPARE(label->text(), QString("&Dictionary:"));
    QTest::mouseDClick(label, Qt::LeftButton);
    QVERIFY(dialog->options().showParameters());
    QCOMPARE(m_beeps, 1);
    QTest::mouseDClick(label, Qt::LeftButton);
    QVERIFY(!dialog->options().showParameters());
    QCOMPARE(m_beeps, 2);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QTest::mouseClick(label, Qt::LeftButton); // a single click does nothing
    QCOMPARE(m_beeps, 2);
}

void OptionsDialogTest::closingResults()
{
    QWidget mainWindow;
    mainWindow.setGeometry(100, 100, 900, 700);
    mainWindow.show();
    OptionsModel options;
    Tfo dialog(options, m_desktop, &mainWindow);

    QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(dialog.findChild<QPushButton *>("bNewWords"), Qt::LeftButton); });
    QCOMPARE(dialog.exec(), Tfo::NewCellsResult);
    QVERIFY(!dialog.isVisible());

    QTimer::singleShot(0, &dialog, [&] {
        QCOMPARE(dialog.frameGeometry().center(), mainWindow.frameGeometry().center());
        QTest::mouseClick(dialog.findChild<QPushButton *>("bOK"), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
}

void OptionsDialogTest::settingsPageFollowsModel()
{
    const auto dialog = makeDialog();
    dialog->show();
    auto *dictionary = dialog->findChild<QComboBox *>("Dictionary");
    auto *format = dialog->findChild<QRadioButton *>("Presets3");
    auto *volume = dialog->findChild<QSlider *>("tbSound");
    auto *newCells = dialog->findChild<QPushButton *>("bNewWords");
    dialog->setSettingsPageEnabled(false);
    QVERIFY(!dictionary->isEnabled());
    QVERIFY(!format->isEnabled());
    QVERIFY(volume->isEnabled());
    QVERIFY(newCells->isEnabled());
    click(format);
    QCOMPARE(dialog->options().presetsIndex(), 0);
    dialog->setSettingsPageEnabled(true);
    QVERIFY(dictionary->isEnabled());
    click(format);
    QCOMPARE(dialog->options().presetsIndex(), 3);
}

void OptionsDialogTest::downloadButton_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("opened");
    QTest::newRow("yes") << int(QMessageBox::Yes) << 1;
    QTest::newRow("no") << int(QMessageBox::No) << 0;
    QTest::newRow("box closed otherwise") << int(QMessageBox::Cancel) << 1;
}

void OptionsDialogTest::downloadButton()
{
    QFETCH(int, answer);
    QFETCH(int, opened);
    const auto dialog = makeDialog();
    dialog->show();
    m_answer = QMessageBox::StandardButton(answer);
    QTest::mouseClick(dialog->findChild<QPushButton *>("bMusic"), Qt::LeftButton);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].kind, Desktop::BoxKind::Warning);
    QCOMPARE(m_boxes[0].text, QString("Check our website via the internet for music and sound?"));
    QCOMPARE(m_boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(m_opened.size(), opened);
    if (opened)
        QCOMPARE(m_opened[0], QUrl("https://splitwick.test/sounds.htm"));
}

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
