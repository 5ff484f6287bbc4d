#include "platform/HelpViewerWindow.h"

#include "platform/StringTable.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QTextBrowser>

namespace {

constexpr QSize WindowSize(480, 600);

} // namespace

HelpViewerWindow::HelpViewerWindow(const QUrl& page)
    : Browser(new QTextBrowser(this)) {
    Browser->setOpenExternalLinks(true);
    setCentralWidget(Browser);
    resize(WindowSize);

    auto* closeAction = new QAction(this);
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    connect(Browser, &QTextBrowser::sourceChanged, this, &HelpViewerWindow::ShowTitle);
    Browser->setSource(page);
    ShowTitle();
}

void HelpViewerWindow::ShowTitle() {
    const QString pageTitle = Browser->documentTitle();
    setWindowTitle(pageTitle.isEmpty() ? tr("%1 Help").arg(LoadResourceString(ProductNameString))
                                       : pageTitle);
}
