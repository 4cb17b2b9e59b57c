// SPDX-License-Identifier: GPL-3.0-or-later
// The audio module's one entry point: the game loads this module on a thread
// of its own, so that loading SDL2_mixer and its codecs keeps off start-up.
#include "sound/device/sdl_audio_device.h"
#include "sound/lazy_audio_device.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT AudioDevice *splitwickCreateAudioDevice()
{
    static_assert(std::is_same_v<decltype(&splitwickCreateAudioDevice), LazyAudioDevice::Create>);
    return new SdlAudioDevice;
}
