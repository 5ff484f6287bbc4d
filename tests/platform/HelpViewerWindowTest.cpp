#include "platform/HelpViewerWindow.h"

#include "platform/HelpLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The game's own help page in a language, where and as the game opens it.
QUrl HelpPage(const QLocale& language = QLocale::c()) {
    const QString page = FindHelpPage(QCoreApplication::applicationDirPath(), language);
    return QUrl(
        ComposeHelpViewerCommand(QCoreApplication::applicationFilePath(), page).Arguments[1]);
}

QTextBrowser& ShowActive(HelpViewerWindow& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    return *window.findChild<QTextBrowser*>();
}

QString TopLine(QTextBrowser& browser) {
    return browser.cursorForPosition(QPoint(4, 4)).block().text().trimmed();
}

} // namespace

TEST(HelpViewerWindowTest, ShowsThePageWrappedToTheWindowAtItsAnchorAndFollowsItsLinks) {
    QUrl page = HelpPage();
    page.setFragment("Scoring");
    HelpViewerWindow window(page);
    QTextBrowser& browser = ShowActive(window);
    EXPECT_EQ(window.windowTitle(), "Pebblix Help");
    EXPECT_EQ(TopLine(browser), "Scoring");

    browser.verticalScrollBar()->setValue(0);
    QTextCursor link = browser.document()->find("Keyboard and mouse");
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 1); // within the link, not at its end
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(link).center());
    EXPECT_EQ(TopLine(browser), "Keyboard and mouse");
}

TEST(HelpViewerWindowTest, EveryLanguagesPageWrapsWithoutHorizontalScrolling) {
    const QDir pages(QCoreApplication::applicationDirPath(), QStringLiteral("pbxhelp*.htm"));
    ASSERT_GT(pages.count(), 1u);
    for (const QString& page : pages.entryList()) {
        HelpViewerWindow window(QUrl::fromLocalFile(pages.filePath(page)));
        EXPECT_FALSE(ShowActive(window).horizontalScrollBar()->isVisible()) << page.toStdString();
    }
}

TEST(HelpViewerWindowTest, APageInARightToLeftLanguageReadsFromTheRightItsTablesToo) {
    HelpViewerWindow window(HelpPage(QLocale(QLocale::Arabic)));
    QTextBrowser& browser = ShowActive(window);
    const auto x = [&browser](const QString& text) {
        return browser.cursorRect(browser.document()->find(text)).x();
    };
    EXPECT_GT(x("طريقة اللعب"), browser.viewport()->width() / 2) << "the contents on the right";
    EXPECT_GT(x("F1"), x("فتح هذه المساعدة")) << "each key right of what it does";
}

TEST(HelpViewerWindowTest, ASecondRequestBringsTheOpenViewerToTheFrontWhateverAnEndedOneLeft) {
    QTemporaryDir runtime;
    const QString socket = runtime.filePath("pebblix-help");
    // The socket of a viewer that ended without taking it away: nobody answers there.
    sockaddr_un address{AF_UNIX, {}};
    std::strncpy(address.sun_path, qPrintable(socket), sizeof(address.sun_path) - 1);
    const int left = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(left, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(left);
    EXPECT_FALSE(ShowInRunningHelpViewer(HelpPage(), socket));

    HelpViewerWindow first(HelpPage());
    ASSERT_TRUE(first.TakeRequests(socket));
    HelpViewerWindow second(HelpPage(QLocale(QLocale::German)));
    EXPECT_FALSE(second.TakeRequests(socket)) << "the first viewer shows the page instead";
    EXPECT_TRUE(QTest::qWaitFor([&first] { return first.isActiveWindow(); }));
    EXPECT_EQ(first.windowTitle(), "Pebblix-Hilfe");
}

TEST(HelpViewerWindowTest, AMissingPageShowsAnEmptyWindowThatClosesWithEscapeOrCtrlW) {
    HelpViewerWindow window(QUrl::fromLocalFile("/nonexistent/pbxhelp.htm"));
    EXPECT_TRUE(ShowActive(window).toPlainText().isEmpty());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    ShowActive(window);
    QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}
