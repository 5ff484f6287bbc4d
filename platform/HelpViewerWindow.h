#pragma once

#include "platform/HelpLauncher.h"

#include <QMainWindow>
#include <QUrl>

class QLocalServer;
class QTextBrowser;

// A small window that shows a help page at its anchor, follows its links and closes with Escape
// or Ctrl+W. A page that cannot be read leaves the window empty. A page in a right-to-left
// language reads from the right, its tables too.
class HelpViewerWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpViewerWindow(const QUrl& page);

    // Takes the requests of ShowInRunningHelpViewer at `socketName`, in place of a socket that a
    // viewer which ended left behind. False when a running viewer takes them: it was asked to show
    // this window's page, and this window is not needed.
    bool TakeRequests(const QString& socketName = HelpViewerSocketName());

    // Shows `page`, keeping the reader's place when it is the page shown, and comes to the front.
    void ShowPage(const QUrl& page);

private:
    void AcceptRequests();
    void ShowTitle();

    QTextBrowser* Browser;
    QLocalServer* Requests;
};
