#include "ui/dialogs/AboutDialog.h"

#include "resources/ResourcePaths.h"
#include "tests/ui/dialogs/ModalAnswer.h"

#include <QImage>
#include <QTest>

TEST(AboutDialog, ItsFaceIsTheAboutPictureUnderItsCaption) {
    const QImage picture(ResourcePaths::BitmapPath(133));
    ASSERT_EQ(picture.size(), QSize(240, 270));

    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Pebblix");
    AnswerNextModal<AboutDialog>([&picture](AboutDialog& shown) {
        EXPECT_EQ(shown.size(), QSize(240, 270));
        // Two paints in a row show the same picture, each loaded afresh.
        for (int paint = 0; paint < 2; ++paint) {
            const QImage face = shown.grab().toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(face, picture.convertToFormat(QImage::Format_RGB32));
        }
        shown.reject();
    });
    dialog.exec();
}

TEST(AboutDialog, ClosesByTheDesktopsUsualMeans) {
    AboutDialog dialog;
    AnswerNextModal<AboutDialog>(
        [](AboutDialog& shown) { QTest::keyClick(KeyTarget(shown), Qt::Key_Return); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);

    AnswerNextModal<AboutDialog>(
        [](AboutDialog& shown) { QTest::keyClick(KeyTarget(shown), Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);

    AnswerNextModal<AboutDialog>([](AboutDialog& shown) { shown.close(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}
