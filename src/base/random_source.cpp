// SPDX-License-Identifier: GPL-3.0-or-later
// The process's one random source: its seed and its draws.
#include "base/random_source.h"

#include <QDateTime>

namespace RandomSource {
namespace {
quint32 g_seed = 0;
}

quint32 seed()
{
    return g_seed;
}

void setSeed(quint32 value)
{
    g_seed = value;
}

void seedFromClock()
{
    const QTime t = QDateTime::currentDateTimeUtc().time();
    g_seed = quint32(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

int random(int n)
{
    if (n <= 0)
        return 0;
    g_seed = g_seed * 134775813u + 1u;
    return int((quint64(g_seed) * quint64(n)) >> 32);
}

} // namespace RandomSource
