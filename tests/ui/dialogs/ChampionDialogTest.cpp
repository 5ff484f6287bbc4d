#include "ui/dialogs/ChampionDialog.h"

#include "tests/ui/dialogs/ModalAnswer.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QLineEdit& NameEdit(QDialog& dialog) {
    return *dialog.findChild<QLineEdit*>("nameEdit1019");
}

} // namespace

TEST(ChampionDialog, ShowsTheCallersNameReadyForTypingAndHandsBackWhatWasTyped) {
    ChampionDialog dialog;
    EXPECT_TRUE(dialog.PlayerName.empty());
    dialog.PlayerName = u"Ada";

    AnswerNextModal<ChampionDialog>([](ChampionDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "High Score");
        const QLabel& message = *shown.findChild<QLabel*>("message1018");
        EXPECT_EQ(message.text(), "Yor are the champion!");
        const QFont system = QApplication::font();
        EXPECT_TRUE(message.font().bold());
        EXPECT_EQ(message.font().family(), system.family());
        EXPECT_EQ(message.font().pointSizeF(), system.pointSizeF());

        EXPECT_EQ(NameEdit(shown).text(), "Ada");
        ASSERT_EQ(QApplication::focusWidget(), &NameEdit(shown));
        QTest::keyClick(KeyTarget(shown), Qt::Key_End);
        QTest::keyClicks(KeyTarget(shown), " Lovelace ");
        QTest::sendKeyEvent(QTest::Click, KeyTarget(shown), Qt::Key_Eacute,
                            QStringLiteral("\u00e9"), Qt::NoModifier);
        QTest::keyClick(KeyTarget(shown), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.PlayerName, u"Ada Lovelace \u00e9");

    AnswerNextModal<ChampionDialog>([](ChampionDialog& shown) {
        QTest::keyClick(KeyTarget(shown), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(KeyTarget(shown), Qt::Key_Delete);
        QTest::keyClick(KeyTarget(shown), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.PlayerName, u"");
}

TEST(ChampionDialog, CancelLeavesTheNameAsTheCallerSetIt) {
    ChampionDialog dialog;
    dialog.PlayerName = u"Grace";
    AnswerNextModal<ChampionDialog>([](ChampionDialog& shown) {
        QTest::keyClicks(KeyTarget(shown), "Hopper");
        QTest::keyClick(KeyTarget(shown), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.PlayerName, u"Grace");
}

TEST(ChampionDialog, TakesNoNameLongerThanTheRegistryCanReadBack) {
    ChampionDialog dialog;
    dialog.PlayerName = std::u16string(5000, u'n');
    AnswerNextModal<ChampionDialog>([](ChampionDialog& shown) {
        EXPECT_EQ(NameEdit(shown).text().size(), 4095);
        QTest::keyClick(KeyTarget(shown), Qt::Key_End);
        QTest::keyClicks(KeyTarget(shown), "more");
        QTest::keyClick(KeyTarget(shown), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.PlayerName, std::u16string(4095, u'n'));
}
