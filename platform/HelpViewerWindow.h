#pragma once

#include "platform/HelpLauncher.h"

#include <QMainWindow>
#include <QUrl>

class QTextBrowser;

// A small window that shows a help page at its anchor, follows its links and closes with Escape
// or Ctrl+W. A page that cannot be read leaves the window empty. A page in a right-to-left
// language reads from the right, its tables too.
class HelpViewerWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpViewerWindow(const QUrl& page);

    // Takes the calls of ShowHelpPageCall on `bus` under HelpViewerBusName. False when another
    // viewer owns the name: it was asked to show this window's page, and this window is not
    // needed. Without a bus, or when that viewer does not answer, this window runs alone; in the
    // second case it takes the name once that viewer leaves.
    bool TakeRequests(QDBusConnection bus = QDBusConnection::sessionBus());

public slots:
    // Shows the page at the URL `page`, keeping the reader's place when it is the page shown, and
    // comes to the front.
    Q_SCRIPTABLE void ShowPage(const QString& page);

private:
    void ShowTitle();

    QTextBrowser* Browser;
};
