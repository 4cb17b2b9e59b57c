// SPDX-License-Identifier: GPL-3.0-or-later
// The options restore and save under their component names, in their order,
// with the fixed-cell and format rules.

#include "settings/options_model.h"
#include "settings/settings_file.h"
#include "settings/split_formats.h"
#include "support/temp_settings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

using Fixed = std::array<bool, FixedCellCount>; // First, Middle, Last, Random, NotFirst

Fixed fixedCells(const OptionsModel &model)
{
    Fixed cells{};
    for (int i = 0; i < FixedCellCount; ++i)
        cells[i] = model.fixedCell(FixedCell(i));
    return cells;
}

QString describe(const Fixed &cells)
{
    QStringList on;
    for (int i = 0; i < FixedCellCount; ++i) {
        if (cells[i])
            on << fixedCellName(FixedCell(i));
    }
    return on.join(',');
}

} // namespace

class OptionsModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void restore_data();
    void restore();
    void secondRestoreOfIndexZeroLeavesButtons();
    void choosingFormatZeroChecksMiddle();
    void fixedCellsAtMostOne();
    void saveWritesEveryKeyInOrder();
    void saveRestoreRoundTrip();

    void splitFormatsAddUp();
    void splitFormatParsing_data();
    void splitFormatParsing();

private:
    TempSettings m_temp;
    QString m_path;
};

void OptionsModelTest::init()
{
    m_path = m_temp.renew();
}

void OptionsModelTest::restore_data()
{
    QTest::addColumn<QByteArray>("options"); // body of section Options; "<none>" = no file
    QTest::addColumn<int>("presets");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<bool>("def");

    QTest::newRow("no file") << QByteArray("<none>") << 0 << "" << "" << false;
    QTest::newRow("index 4 and Random: index-0 rule does not fire")
        << QByteArray("Presets=4\nvRandom=1\n") << 4 << "vRandom" << "" << false;
    QTest::newRow("index 0, middle off, last on")
        << QByteArray("Presets=0\nvmiddle=0\nvlast=1\n") << 0 << "vlast" << "" << false;
    QTest::newRow("index 0, buttons missing: saved states win")
        << QByteArray("Presets=0\n") << 0 << "" << "" << false;
    QTest::newRow("index 0 with middle saved") << QByteArray("Presets=0\nvmiddle=1\n") << 0 << "vmiddle" << "" << false;
    QTest::newRow("index 99 is 35") << QByteArray("Presets=99\n") << 35 << "" << "" << false;
    QTest::newRow("index -5 is none") << QByteArray("Presets=-5\n") << -1 << "" << "" << false;
    QTest::newRow("index -1 is none") << QByteArray("Presets=-1\n") << -1 << "" << "" << false;
    QTest::newRow("hex index") << QByteArray("Presets=$1F\n") << 31 << "" << "" << false;
    QTest::newRow("index abc is 0") << QByteArray("Presets=abc\nvfirst=1\n") << 0 << "vfirst" << "" << false;
    QTest::newRow("two buttons saved: the later one wins")
        << QByteArray("Presets=3\nvmiddle=1\nvlast=1\n") << 3 << "vlast" << "" << false;
    QTest::newRow("unchecking changes no other")
        << QByteArray("Presets=3\nvRandom=1\nvNotFirst=0\n") << 3 << "vRandom" << "" << false;
    QTest::newRow("dictionary found") << QByteArray("Presets=3\nDictionary=Birds\nDef=2\n") << 3 << "" << "Birds" << true;
    QTest::newRow("dictionary removed") << QByteArray("Dictionary=Gone\nDef=yes\n") << 0 << "" << "" << false;
    QTest::newRow("names in capitals") << QByteArray("PRESETS=7\nVNOTFIRST=1\nDICTIONARY=Animals\nDEF=1\n") << 7
                                       << "vNotFirst" << "Animals" << true;
}

void OptionsModelTest::restore()
{
    QFETCH(QByteArray, options);
    QFETCH(int, presets);
    QFETCH(QString, fixed);
    QFETCH(QString, dictionary);
    QFETCH(bool, def);
    if (options != "<none>") {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Options]\n" + options);
    }
    OptionsModel model;
    model.setDictionaryNames({"Animals", "Birds", "Cities"});
    model.restore(SettingsFile(m_path));
    QCOMPARE(model.presetsIndex(), presets);
    QCOMPARE(describe(fixedCells(model)), fixed);
    QCOMPARE(model.dictionary(), dictionary);
    QCOMPARE(model.showDefinitions(), def);
    QCOMPARE(model.presetsText(), presets < 0 ? QString() : splitFormats()[presets]);
    QVERIFY(!QFile::exists(m_path) || options != "<none>");
}

void OptionsModelTest::secondRestoreOfIndexZeroLeavesButtons()
{
    OptionsModel model;
    model.restore(SettingsFile(m_path)); // index 0, nothing checked
    model.setFixedCell(FixedCell::Last, true);
    model.restore(SettingsFile(m_path)); // index stays 0: no "Middle"
    QCOMPARE(describe(fixedCells(model)), QString());
}

void OptionsModelTest::choosingFormatZeroChecksMiddle()
{
    OptionsModel model;
    QCOMPARE(model.presetsIndex(), 4); // the form's value before any restore
    model.setFixedCell(FixedCell::Last, true);
    QSignalSpy presets(&model, &OptionsModel::presetsChanged);
    model.setPresetsIndex(7);
    QCOMPARE(describe(fixedCells(model)), QString("vlast"));
    model.setPresetsIndex(0);
    QCOMPARE(describe(fixedCells(model)), QString("vmiddle"));
    QCOMPARE(presets.size(), 2);
    model.setFixedCell(FixedCell::Middle, false);
    model.setPresetsIndex(0); // no change of index: nothing checked
    QCOMPARE(describe(fixedCells(model)), QString());
    QCOMPARE(presets.size(), 2);
}

void OptionsModelTest::fixedCellsAtMostOne()
{
    OptionsModel model;
    for (int i = 0; i < FixedCellCount; ++i) {
        model.setFixedCell(FixedCell(i), true);
        QCOMPARE(describe(fixedCells(model)), fixedCellName(FixedCell(i)));
    }
    model.setFixedCell(FixedCell::First, false); // not the checked one
    QCOMPARE(describe(fixedCells(model)), QString("vNotFirst"));
    model.setFixedCell(FixedCell::NotFirst, false);
    QCOMPARE(describe(fixedCells(model)), QString());
}

void OptionsModelTest::saveWritesEveryKeyInOrder()
{
    OptionsModel model;
    model.setDictionaryNames({"Animals", "Birds"});
    model.setDictionaryIndex(1);
    model.setPresetsIndex(12);
    model.setFixedCell(FixedCell::Random, true);
    model.setShowDefinitions(true);
    model.setHelpHints(true);
    model.setHighContrast(true);
    model.setSoundText(SoundSlot::Music, "None");
    model.setSoundText(SoundSlot::GoodDrop, "ding.WAV");
    model.setSoundText(SoundSlot::GoodWord, "word.mp3");
    model.setLanguage(QStringLiteral("fr"));
    SettingsFile settings(m_path);
    model.save(settings);
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Options]\r\nPresets=12\r\nDictionary=Birds\r\nvmiddle=0\r\nvfirst=0\r\n"
                                        "vlast=0\r\nvRandom=1\r\nvNotFirst=0\r\nProximity=0\r\nDef=1\r\nVowels=0\r\n"
                                        "music=None\r\nGoodDropSound=ding.WAV\r\nPenaltySound=\r\nIncorrectSound=\r\n"
                                        "GameOverSound=\r\nGameWonSound=\r\nNewGameSound=\r\nTimerStartSound=\r\n"
                                        "GoodWordSound=word.mp3\r\nHelpHints=1\r\nHighContrast=1\r\nLanguage=fr\r\n"));
    QCOMPARE(OptionsModel::savedKeys().size(), 22);
}

void OptionsModelTest::saveRestoreRoundTrip()
{
    OptionsModel saved;
    saved.setDictionaryNames({"Animals", "Birds"});
    saved.setDictionaryIndex(0);
    saved.setPresetsIndex(0);
    saved.setFixedCell(FixedCell::NotFirst, true);
    saved.setProximity(true);
    saved.setVowels(true);
    for (int i = 0; i < SoundSlotCount; ++i)
        saved.setSoundText(SoundSlot(i), QStringLiteral("s%1.wav").arg(i));
    saved.setWordCount(30); // not saved
    SettingsFile settings(m_path);
    saved.save(settings);

    OptionsModel restored;
    restored.setDictionaryNames({"Animals", "Birds"});
    restored.restore(settings);
    QCOMPARE(restored.presetsIndex(), 0);
    QCOMPARE(fixedCells(restored), fixedCells(saved));
    QCOMPARE(restored.dictionary(), QString("Animals"));
    QVERIFY(restored.proximity() && restored.vowels() && !restored.helpHints() && !restored.showDefinitions());
    for (int i = 0; i < SoundSlotCount; ++i)
        QCOMPARE(restored.soundText(SoundSlot(i)), saved.soundText(SoundSlot(i)));
    QCOMPARE(restored.wordCount(), 10);
}

void OptionsModelTest::splitFormatsAddUp()
{
    QCOMPARE(splitFormats().size(), SplitFormatCount);
    QCOMPARE(QSet<QString>(splitFormats().begin(), splitFormats().end()).size(), SplitFormatCount);
    int lastLetters = 0;
    for (const QString &format : splitFormats()) {
        const QList<int> cells = splitFormatCellLengths(format);
        int sum = 0;
        for (int length : cells)
            sum += length;
        QVERIFY2(sum == splitFormatLetterCount(format), qPrintable(format));
        QVERIFY2(cells.size() >= 3 && cells.size() <= 5, qPrintable(format));
        QVERIFY2(splitFormatLetterCount(format) >= lastLetters, qPrintable(format)); // grouped by length
        lastLetters = splitFormatLetterCount(format);
    }
}

void OptionsModelTest::splitFormatParsing_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("letters");
    QTest::addColumn<QList<int>>("cells");
    QTest::newRow("first") << "4 letters: 1-2-1" << 4 << QList<int>{1, 2, 1};
    QTest::newRow("two-digit count") << "16 letters: 5-6-5" << 16 << QList<int>{5, 6, 5};
    QTest::newRow("last") << "25 letters: 5-5-5-5-5" << 25 << QList<int>{5, 5, 5, 5, 5};
    QTest::newRow("empty") << "" << 0 << QList<int>{};
}

void OptionsModelTest::splitFormatParsing()
{
    QFETCH(QString, format);
    QFETCH(int, letters);
    QFETCH(QList<int>, cells);
    QCOMPARE(splitFormatLetterCount(format), letters);
    QCOMPARE(splitFormatCellLengths(format), cells);
}

QTEST_APPLESS_MAIN(OptionsModelTest)
#include "options_model_test.moc"
