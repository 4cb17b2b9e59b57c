// SPDX-License-Identifier: GPL-3.0-or-later
// When the main window's activation steps run.
#include "ui/main_window/activation_tracker.h"

#include "ui/desktop/application.h"

#include <QGuiApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

ActivationTracker::ActivationTracker(QWidget *mainWindow, std::function<void()> onActivate, QObject *parent)
    : QObject(parent), m_main(mainWindow), m_onActivate(std::move(onActivate))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivationTracker::focusWindowChanged);
    mainWindow->installEventFilter(this);
}

bool ActivationTracker::isModeless(QWindow *window)
{
    // Modality is noted when the window takes the focus: a modal dialog has
    // it set from its show until after its hide.
    return window->modality() == Qt::NonModal;
}

void ActivationTracker::focusWindowChanged(QWindow *window)
{
    if (!window || !m_main)
        return;
    const Qt::WindowType type = window->type();
    if (type == Qt::Popup || type == Qt::ToolTip)
        return;
    if (window != m_main->windowHandle()) {
        m_otherHeldFocus = true;
        m_otherWasModeless = isModeless(window);
        return;
    }
    const bool run = !m_seenMain || (m_otherHeldFocus && m_otherWasModeless);
    m_seenMain = true;
    m_otherHeldFocus = false;
    if (run)
        activate();
}

bool ActivationTracker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched == m_main && !m_seenMain && !m_waitingForFirst) {
        m_waitingForFirst = true;
        QTimer::singleShot(NeverActivatedMs, this, [this] {
            m_waitingForFirst = false;
            if (m_seenMain || !m_main || !m_main->isVisible())
                return;
            m_seenMain = true;
            m_otherHeldFocus = false;
            activate();
        });
    }
    return QObject::eventFilter(watched, event);
}

void ActivationTracker::activate()
{
    ++m_activations;
    // The focus signal and the timer come from outside notify(): an error here
    // (the settings file cannot be written) must not end the program.
    if (m_onActivate)
        runShowingErrors(m_onActivate);
}
