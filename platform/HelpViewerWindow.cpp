#include "platform/HelpViewerWindow.h"

#include "platform/StringTable.h"

#include <QAction>
#include <QTextBrowser>

namespace {

constexpr unsigned kProductNameString = 128;
constexpr QSize kWindowSize(480, 600);

} // namespace

HelpViewerWindow::HelpViewerWindow(const QUrl& page)
    : browser_(new QTextBrowser(this)) {
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);
    resize(kWindowSize);

    auto* closeAction = new QAction(this);
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewerWindow::ShowTitle);
    browser_->setSource(page);
    ShowTitle();
}

void HelpViewerWindow::ShowTitle() {
    const QString pageTitle = browser_->documentTitle();
    setWindowTitle(pageTitle.isEmpty() ? tr("%1 Help").arg(LoadResourceString(kProductNameString))
                                       : pageTitle);
}
