// SPDX-License-Identifier: GPL-3.0-or-later
// The system's opener of documents and addresses, and whether it managed.
#include "ui/desktop/system_opener.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

void openWithSystem(const QUrl &url, const std::function<void()> &failed)
{
    // xdg-open, unlike QDesktopServices, says whether it found a program for
    // the address: its exit status is 0 only when one opened it.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        QTimer::singleShot(0, qApp, failed);
        return;
    }
    auto *process = new QProcess; // no parent: quitting must not kill an opened browser
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, qApp, [process, failed](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        if (status != QProcess::NormalExit || code != 0)
            failed();
    });
    QObject::connect(process, &QProcess::errorOccurred, qApp, [process, failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            process->deleteLater();
            failed();
        }
    });
    process->start(opener, {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
}
