#include <QFileInfo>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

TEST(HelpPage, OpensAtItsContentsAndEveryLinkLeadsWithinThePage) {
    ASSERT_TRUE(QFileInfo::exists(PEBBLIX_HELP_PAGE)) << "the help page is not beside the program";
    // The way the game opens it: the page beside the program, at its contents.
    QTextBrowser viewer;
    QUrl url = QUrl::fromLocalFile(PEBBLIX_HELP_PAGE);
    url.setFragment("Main_Contents");
    viewer.setSource(url);
    ASSERT_EQ(viewer.documentTitle(), "Pebblix Help");
    QStringList anchors;
    QStringList targets;
    for (QTextBlock block = viewer.document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            anchors << format.anchorNames();
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                targets << format.anchorHref();
            }
            // Self-contained: any picture it shows comes with it.
            if (format.isImageFormat()) {
                EXPECT_TRUE(viewer
                                .loadResource(QTextDocument::ImageResource,
                                              QUrl(format.toImageFormat().name()))
                                .isValid());
            }
        }
    }
    EXPECT_TRUE(anchors.contains("Main_Contents"));
    EXPECT_GE(targets.size(), 6);
    for (const QString& target : targets) {
        EXPECT_TRUE(target.startsWith('#') && anchors.contains(target.mid(1)))
            << target.toStdString();
    }
}
