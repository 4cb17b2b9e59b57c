// SPDX-License-Identifier: GPL-3.0-or-later
// A round's level and its parameters: read from the settings' Levels section, then changed by the handicap.
#include "round/round_engine.h"

#include "settings/settings_file.h"

void RoundEngine::setLevelParameters(int rows)
{
    RoundParameters &p = m_round.Parameters;
    p.Level = m_board.TileCount() / rows + m_board.TileCount() / 25 + (m_dealt.showDefinitions ? 1 : 0);
    ReadLevel(p.Level);
    const auto parameterLine = [&p] {
        return QStringLiteral("level=%1 pop=%2 penalty=%3 good=%4 bad=%5 word=%6 start=%7 delay=%8")
            .arg(p.Level)
            .arg(p.Pop)
            .arg(p.Penalty)
            .arg(p.Good)
            .arg(p.Bad)
            .arg(p.WordBonus)
            .arg(p.Start)
            .arg(p.Delay);
    };
    m_parameterText = parameterLine();
    const int h = m_dealt.handicap;
    if (h != 0) {
        applyHandicap(h);
        m_parameterText += QStringLiteral("\r\n") + parameterLine();
    }
    // No round may be lost before it begins.
    if (p.Start < 1)
        p.Start = 1;
}

void RoundEngine::ReadLevel(int level)
{
    const QString digit = QString::number(qBound(0, level, 9));
    const auto read = [this, &digit](const char *key, int defaultValue) {
        // Hand-edited values stay within a million, so that no rating or
        // timer arithmetic can overflow.
        const int value = m_settings.readInteger(QStringLiteral("Levels"), QLatin1String(key) + digit, defaultValue);
        return qBound(-1000000, value, 1000000);
    };
    RoundParameters &p = m_round.Parameters;
    p.Pop = read("TIMER", 5);
    p.Penalty = read("PENALTY", -1);
    p.Good = read("GOOD", 1);
    p.Bad = read("BAD", -5);
    p.WordBonus = read("WORD", 0);
    p.Start = read("START", 30);
    p.Delay = read("DELAY", 5);
    // DELAY 0 means the penalty clock never starts, as TIMER 0 means no
    // ticks; a negative value reads the same. Under a handicap the floor of
    // 1 s comes after the handicap's own change.
    if (p.Delay < 0 && m_dealt.handicap == 0)
        p.Delay = 0;
    p.ClueCost = p.Bad - 1;
}

void RoundEngine::applyHandicap(int h)
{
    RoundParameters &p = m_round.Parameters;
    // Pop * 0.1 * h truncated toward zero, in exact arithmetic. The floor of
    // 2 s holds for every level: a handicap never leaves a round without ticks.
    p.Pop = qBound(2, p.Pop - p.Pop * h / 10, 90);
    p.Penalty = qMin(p.Penalty - h, -1);
    p.Good = qMax(h > 0 ? p.Good - 1 : p.Good + 1, 1);
    p.Bad = qMin(p.Bad - h, -1);
    p.Start = qBound(30, p.Start - 10 * h, 100);
    p.Delay = p.Delay - 10 * h;
    if (p.Delay <= 0)
        p.Delay = 1;
}
