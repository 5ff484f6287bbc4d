#include "platform/HelpViewerWindow.h"

#include "WaveFiles.h"
#include "platform/HelpLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

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

TEST(HelpViewerWindowTest, F1ShowsTheHelpInTheOneRunningViewerOrElseStartsOne) {
    const QTemporaryDir folder;
    const QString viewer = folder.filePath("viewer"); // writes down what it was started with
    WriteFile(viewer, "#!/bin/sh\necho \"$@\" >>\"$0.started\"\n");
    QFile::setPermissions(viewer, QFile::ReadOwner | QFile::ExeOwner);
    const auto started = [&viewer, line = "--help-viewer " + HelpPage(QLocale()).toString() +
                                          '\n'](int times) {
        return QTest::qWaitFor([&] {
            QFile list(viewer + ".started");
            return list.open(QIODevice::ReadOnly) && list.readAll() == line.repeated(times);
        });
    };
    QProcess bus; // the test's own, as a desktop has one
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    if (!bus.waitForReadyRead(10000))
        GTEST_SKIP() << "no private session bus: dbus-daemon is missing or did not start";
    const auto connect = [address = QString(bus.readLine().trimmed())](const char* program) {
        return QDBusConnection::connectToBus(address, program);
    };
    LaunchHelp(connect("game"), viewer);
    EXPECT_TRUE(started(1)) << "no viewer owns the name";

    HelpViewerWindow first(HelpPage());
    ASSERT_TRUE(first.TakeRequests(connect("first")));
    HelpViewerWindow second(HelpPage(QLocale(QLocale::German)));
    EXPECT_FALSE(second.TakeRequests(connect("second"))) << "the first viewer shows the page";
    EXPECT_TRUE(QTest::qWaitFor([&first] { return first.isActiveWindow(); }));
    EXPECT_EQ(first.windowTitle(), "Pebblix-Hilfe");

    const QLocale language;
    QLocale::setDefault(QLocale(QLocale::French));
    LaunchHelp(connect("game"), viewer);
    EXPECT_TRUE(QTest::qWaitFor([&first] { return first.windowTitle() == "Aide de Pebblix"; }));
    QLocale::setDefault(language);
    LaunchHelp(QDBusConnection("no bus"), viewer);
    EXPECT_TRUE(started(2)) << "one more without a session bus, none while a viewer runs";
    bus.kill();
    bus.waitForFinished();
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
