// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

// The application of a start-up measurement: it ends the process the moment
// the watched window's first paint is done - the expose or update request
// that painted it has been handled - and not an event later,
// so that work the program rightly leaves until after that paint is not
// counted as start-up. Out at once: closing the audio device and freeing the
// windows are not start-up either.
template <typename Application>
class ExitOncePainted : public Application
{
public:
    using Application::Application;

    // A window already on screen is painted once more, so that there is a paint to wait for.
    void watch(QWidget *window)
    {
        m_window = window;
        window->update();
    }

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool handled = Application::notify(receiver, event);
        if (!m_window)
            return handled;
        if (receiver == m_window && event->type() == QEvent::Paint)
            m_painted = true;
        else if (m_painted && (receiver == m_window || receiver == m_window->windowHandle())
                 && (event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest)) {
            std::fflush(nullptr);
            std::_Exit(0);
        }
        return handled;
    }

private:
    QPointer<QWidget> m_window;
    bool m_painted = false;
};
