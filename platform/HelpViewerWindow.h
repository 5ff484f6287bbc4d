#pragma once

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

private:
    void ShowTitle();

    QTextBrowser* Browser;
};
