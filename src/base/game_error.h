// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// An error that stops an operation and carries the message the player sees
// ("Unable to load the Knowledge Base"). The application's top-level handler
// shows it in an error box and the program goes on.
class GameError : public std::runtime_error
{
public:
    explicit GameError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
