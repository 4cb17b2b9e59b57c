// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionary files from anywhere: a load either succeeds or fails with the
// load error, and every entry it keeps can be read whole.

#include "base/game_error.h"
#include "words/kbase.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tZRVDictionary store;
    try {
        store.LoadFromData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const GameError &) {
        // a refused file keeps what was read before the fault
    }
    size_t sum = 0;
    const TKbItems &items = store.Items();
    for (int i = 0; i < items.Count(); ++i) {
        for (int t = 0; t < TKbItem::TextCount; ++t) {
            const QByteArrayView text = items[i].text(TKbItem::Text(t));
            if (!text.isEmpty())
                sum += quint8(text.front()) + quint8(text.back());
        }
        for (int w = 1; w <= KbiWindowCount; ++w)
            sum += items[i].window(w);
    }
    return sum == size_t(-1) ? -1 : 0;
}
