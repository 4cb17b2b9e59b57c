// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWindow;
class QWidget;

// Decides when the main window's activation steps run: when the main window
// becomes the program's focused window and the window of the program that
// held the focus before it was a modeless one (the splash, the debug log),
// or at its very first activation. A modal dialog or message box hands the
// focus straight back, and that is not an activation. Focus leaving the
// program (no focused window) is not a change between our windows, and pop-up
// menus and tool tips never count as holding the focus.
class ActivationTracker : public QObject
{
    Q_OBJECT
public:
    ActivationTracker(QWidget *mainWindow, std::function<void()> onActivate, QObject *parent = nullptr);

    // Called with each new focus window of the application.
    void focusWindowChanged(QWindow *window);

    // A compositor may never give a new window the focus (Wayland's may not):
    // if the main window has had none NeverActivatedMs after it was first
    // shown, its first activation steps run all the same.
    static constexpr int NeverActivatedMs = 500;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    int activations() const { return m_activations; }

private:
    static bool isModeless(QWindow *window);
    void activate();

    QPointer<QWidget> m_main;
    std::function<void()> m_onActivate;
    bool m_seenMain = false;       // the main window has had the focus before
    bool m_otherHeldFocus = false; // another window of ours took the focus since
    bool m_otherWasModeless = false;
    int m_activations = 0;
    bool m_waitingForFirst = false; // the never-activated timer is running
};
