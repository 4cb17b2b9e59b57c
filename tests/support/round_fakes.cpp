#include "support/round_fakes.h"

void RecordingHost::setStatusText(const QString &text)
{
    statusText = text;
    log << QStringLiteral("status:") + text;
}

void RecordingHost::setStatusColour(QRgb colour, bool plainStyle)
{
    statusColour = colour;
    statusPlain = plainStyle;
    log << QStringLiteral("statusColour:%1%2").arg(colour, 8, 16, QLatin1Char('0')).arg(plainStyle ? " plain" : "");
}

void RecordingHost::showNextBannerLine()
{
    ++bannerLines;
    log << QStringLiteral("banner");
}

void RecordingHost::setRatingCaption(const QString &caption)
{
    ratingCaption = caption;
    log << QStringLiteral("rating:") + caption;
}

void RecordingHost::setRatingBackground(QRgb colour)
{
    ratingBackground = colour;
    log << QStringLiteral("ratingColour:%1").arg(colour, 8, 16, QLatin1Char('0'));
}

void RecordingHost::PlaySoundEffect(const QString &text)
{
    sounds << text;
    log << QStringLiteral("sound:") + text;
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

void RecordingHost::commandsChanged()
{
    ++commandChanges;
}

void RecordingHost::openOptionsDialog()
{
    ++optionsOpened;
    log << QStringLiteral("options");
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
