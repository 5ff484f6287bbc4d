#include <QFileInfo>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct PageLinks {
    QSet<QString> Anchors;
    QSet<QString> Targets;
    QStringList Pictures;
};

PageLinks Links(const QTextDocument& page) {
    PageLinks links;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                links.Anchors.insert(name);
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                links.Targets.insert(format.anchorHref());
            if (format.isImageFormat())
                links.Pictures.append(format.toImageFormat().name());
        }
    }
    return links;
}

} // namespace

TEST(HelpPage, OpensAtItsContentsAndEveryLinkLeadsWithinThePage) {
    const QString file = QStringLiteral(PEBBLIX_HELP_PAGE);
    ASSERT_TRUE(QFileInfo::exists(file)) << "the help page is not beside the program";

    // The way the game opens it: the page beside the program, at its contents.
    QTextBrowser viewer;
    QUrl url = QUrl::fromLocalFile(file);
    url.setFragment(QStringLiteral("Main_Contents"));
    viewer.setSource(url);
    ASSERT_EQ(viewer.documentTitle(), "Pebblix Help");

    const PageLinks links = Links(*viewer.document());
    EXPECT_TRUE(links.Anchors.contains("Main_Contents"));
    EXPECT_GE(links.Targets.size(), 6);
    for (const QString& target : links.Targets) {
        ASSERT_TRUE(target.startsWith('#')) << target.toStdString() << " leaves the page";
        EXPECT_TRUE(links.Anchors.contains(target.mid(1))) << target.toStdString();
    }
    // Self-contained: any picture it shows comes with it.
    for (const QString& picture : links.Pictures) {
        const QVariant image = viewer.loadResource(QTextDocument::ImageResource, QUrl(picture));
        EXPECT_TRUE(image.isValid()) << picture.toStdString();
    }
}
