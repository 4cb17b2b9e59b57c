// SPDX-License-Identifier: GPL-3.0-or-later
// The recording host and sound layer: a log of everything a round engine asks of its window.
#include "support/round_fakes.h"

#include "round/round_engine.h"

void RecordingSound::PlaySoundEffect(const QString &slotText)
{
    m_sounds << slotText;
    m_log << QStringLiteral("sound:") + slotText;
}

void RecordingHost::setStatusText(const QString &text)
{
    statusText = text;
    log << QStringLiteral("status:") + text;
}

void RecordingHost::showOutcome(RoundOutcome o)
{
    outcomeShown = true;
    outcome = o;
    log << QStringLiteral("outcome:%1").arg(int(o));
}

void RecordingHost::showNextBannerLine()
{
    ++bannerLines;
    log << QStringLiteral("banner");
}

void RecordingHost::showWarning(const QString &text)
{
    warnings << text;
    log << QStringLiteral("warning:") + text;
}

void RecordingHost::showInformation(const QString &text)
{
    informations << text;
    log << QStringLiteral("information:") + text;
}

void RecordingHost::showError(const QString &text)
{
    errors << text;
    log << QStringLiteral("error:") + text;
}

void RecordingHost::ratingChanged()
{
    if (!m_engine)
        return;
    ratingCaption = m_engine->ratingCaption();
    ratingBand = m_engine->ratingBand();
    log << QStringLiteral("rating:") + ratingCaption;
}

void RecordingHost::commandsChanged()
{
    ++commandChanges;
}

void RecordingHost::processEvents()
{
    ++processEventsCalls;
    if (onProcessEvents)
        onProcessEvents();
}

void RecordingHost::setBoardEnabled(bool enabled)
{
    boardEnabled = enabled;
    log << QStringLiteral("board:%1").arg(enabled ? "on" : "off");
}

void RecordingHost::setBusyCursor(bool busy)
{
    busyCursor = busy;
}

void RecordingHost::clearDebug()
{
    debugLines.clear();
    log << QStringLiteral("debugClear");
}

void RecordingHost::appendDebugLine(const QString &line)
{
    debugLines << line;
}

void RecordingHost::showDebugWindow()
{
    debugShown = true;
}

void RecordingHost::setWindowGeometry(int l, int t, int w, int h)
{
    left = l;
    top = t;
    width = w;
    height = h;
    log << QStringLiteral("geometry:%1,%2,%3,%4").arg(l).arg(t).arg(w).arg(h);
}

QStringList RecordingHost::logged(const QString &prefix) const
{
    QStringList result;
    for (const QString &entry : log) {
        if (entry.startsWith(prefix))
            result << entry.mid(prefix.size());
    }
    return result;
}
