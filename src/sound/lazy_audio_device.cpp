// SPDX-License-Identifier: GPL-3.0-or-later
// The audio module loaded on a thread of its own, and the device it gives.
#include "sound/lazy_audio_device.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <chrono>

namespace {

AudioDevice *loadDevice(const QString &module, QThread *owner)
{
    QLibrary library(module);
    // The device lives as long as the process: the module is never unloaded.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    const auto create = reinterpret_cast<LazyAudioDevice::Create>(library.resolve(LazyAudioDevice::EntryPoint));
    if (!create)
        return nullptr;
    AudioDevice *device = create();
    // Its notices go to the thread that asked for it, not to this one.
    if (auto *object = dynamic_cast<QObject *>(device))
        object->moveToThread(owner);
    return device;
}

SilentAudioDevice &silence()
{
    static SilentAudioDevice device;
    return device;
}

} // namespace

LazyAudioDevice::LazyAudioDevice(const QString &module) : m_module(module), m_timerContext(std::make_unique<QObject>())
{
    QTimer::singleShot(LoadDelayMs, m_timerContext.get(), [this] { startLoading(); });
}

LazyAudioDevice::~LazyAudioDevice()
{
    m_waitingWave.reset();
    // The loading thread is done before anything goes; its word that it is
    // done goes with the context.
    if (m_started)
        isLoaded();
    m_timerContext.reset();
}

void LazyAudioDevice::startLoading()
{
    if (m_started)
        return;
    m_started = true;
    QThread *owner = QThread::currentThread();
    m_loading = std::async(std::launch::async, [this, module = m_module, owner, context = m_timerContext.get()] {
        AudioDevice *device = loadDevice(module, owner);
        QMetaObject::invokeMethod(context, [this] { arrived(); }, Qt::QueuedConnection);
        return device;
    });
}

bool LazyAudioDevice::hasArrived()
{
    return m_waited || (m_started && m_loading.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
}

void LazyAudioDevice::arrived()
{
    if (isLoaded() && m_waitingWave) {
        m_device->playWave(m_waitingWave->image, m_waitingWave->loop);
        if (m_paused)
            m_device->setPaused(true);
    }
    m_waitingWave.reset();
}

bool LazyAudioDevice::isLoaded()
{
    if (!m_waited) {
        startLoading();
        m_waited = true;
        m_device.reset(m_loading.get());
        if (m_device)
            m_device->setLevel(m_level);
    }
    return bool(m_device);
}

AudioDevice &LazyAudioDevice::device()
{
    return isLoaded() ? *m_device : silence();
}

void LazyAudioDevice::setLevel(int level)
{
    m_level = level;
    if (m_waited && m_device)
        m_device->setLevel(level);
}

void LazyAudioDevice::playWave(const QByteArray &image, bool loop)
{
    if (!hasArrived()) {
        m_waitingWave = Wave{image, loop};
        startLoading();
        return;
    }
    device().playWave(image, loop);
}

void LazyAudioDevice::stopWave()
{
    m_waitingWave.reset();
    if (hasArrived())
        device().stopWave();
}

void LazyAudioDevice::setPaused(bool paused)
{
    // Nothing plays before the device is there; a wave waiting for it starts held.
    m_paused = paused;
    if (m_waited && m_device)
        m_device->setPaused(paused);
}

bool LazyAudioDevice::open(const QString &path)
{
    return device().mediaPlayer().open(path);
}

bool LazyAudioDevice::openImage(const QByteArray &image)
{
    return device().mediaPlayer().openImage(image);
}

bool LazyAudioDevice::play(std::function<void()> onFinished)
{
    return device().mediaPlayer().play(std::move(onFinished));
}

void LazyAudioDevice::stop()
{
    device().mediaPlayer().stop();
}

void LazyAudioDevice::close()
{
    device().mediaPlayer().close();
}
