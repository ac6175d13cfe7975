// Qt's own texts follow the Japanese window: a line edit's standard context menu reads in Japanese.
#include "app/qtjapanese.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>
#include <string>
#include <vector>

namespace {

using ::testing::Contains;
using ::testing::IsSupersetOf;
using ::testing::Not;

// The menu's action texts without their shortcut markers and shortcut column, e.g. "元に戻す".
std::vector<std::string> MenuTexts(QLineEdit& field) {
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    std::vector<std::string> texts;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
        texts.push_back(text.toStdString());
    }
    return texts;
}

class QtJapanese : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!japanese_.Loaded())
            GTEST_SKIP() << "Qt's Japanese translation (package qt6-translations-l10n) is not installed in "
                         << TQtJapanese::Folder().toStdString();
    }
    TQtJapanese japanese_;
};

TEST_F(QtJapanese, LineEditContextMenuReadsInJapanese) {
    QLineEdit field(QStringLiteral("12"));
    const auto texts = MenuTexts(field);
    EXPECT_THAT(texts, IsSupersetOf({"元に戻す", "やり直す", "切り取り", "コピー", "貼り付け"}));
    EXPECT_THAT(texts, Not(Contains("Undo")));
}

TEST_F(QtJapanese, StandardButtonsReadInJapanese) {
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')).toStdString(),
              "キャンセル");
}

TEST(QtJapaneseLifetime, EnglishReturnsWhenTheTranslationIsRemoved) {
    { const TQtJapanese japanese; }
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    EXPECT_TRUE(menu->actions().front()->text().startsWith(QStringLiteral("&Undo")));
}

}  // namespace
