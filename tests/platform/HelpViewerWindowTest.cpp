#include "platform/HelpViewerWindow.h"

#include "WaveFiles.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

// A page long enough to scroll, with its contents and a section further down.
QByteArray HelpPage() {
    QByteArray page = "<html><head><title>Playing Pebblix</title></head><body>";
    for (int i = 0; i < 60; ++i) {
        page += "<p>Introduction line " + QByteArray::number(i) + "</p>";
    }
    page += "<h2><a name=\"Main_Contents\"></a>Contents</h2>";
    page += "<p><a href=\"#Rules\">How to play</a></p>";
    for (int i = 0; i < 60; ++i) {
        page += "<p>Contents line " + QByteArray::number(i) + "</p>";
    }
    page += "<h2><a name=\"Rules\"></a>Rules</h2>";
    for (int i = 0; i < 60; ++i) {
        page += "<p>Rules line " + QByteArray::number(i) + "</p>";
    }
    return page + "</body></html>";
}

QString TopLine(QTextBrowser& browser) {
    return browser.cursorForPosition(QPoint(4, 4)).block().text();
}

class HelpViewerWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        WriteFile(PagePath(), HelpPage());
    }
    QString PagePath() const { return folder_.filePath("pbxhelp.htm"); }
    QUrl PageAt(const QString& anchor) const {
        QUrl url = QUrl::fromLocalFile(PagePath());
        url.setFragment(anchor);
        return url;
    }
    static QTextBrowser& BrowserOf(HelpViewerWindow& window) {
        return *window.findChild<QTextBrowser*>();
    }
    static void ShowActive(HelpViewerWindow& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QTemporaryDir folder_;
};

} // namespace

TEST_F(HelpViewerWindowTest, ShowsThePageAtItsAnchorUnderItsTitle) {
    HelpViewerWindow window(PageAt("Main_Contents"));
    ShowActive(window);
    QTextBrowser& browser = BrowserOf(window);

    EXPECT_EQ(window.windowTitle(), "Playing Pebblix");
    EXPECT_GT(browser.verticalScrollBar()->value(), 0);
    EXPECT_EQ(TopLine(browser), "Contents");
}

TEST_F(HelpViewerWindowTest, FollowsALinkWithinThePage) {
    HelpViewerWindow window(PageAt("Main_Contents"));
    ShowActive(window);
    QTextBrowser& browser = BrowserOf(window);
    const QTextCursor link = browser.document()->find("How to play");
    ASSERT_FALSE(link.isNull());

    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(link).center());

    EXPECT_EQ(TopLine(browser), "Rules");
}

TEST_F(HelpViewerWindowTest, ClosesWithEscapeAndWithCtrlW) {
    HelpViewerWindow window(PageAt("Main_Contents"));

    ShowActive(window);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    ShowActive(window);
    QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(HelpViewerWindowTest, AMissingPageShowsAnEmptyWindow) {
    HelpViewerWindow window(QUrl::fromLocalFile(folder_.filePath("missing/pbxhelp.htm")));
    ShowActive(window);

    EXPECT_TRUE(BrowserOf(window).toPlainText().isEmpty());
    EXPECT_EQ(window.windowTitle(), "Pebblix Help");
}
