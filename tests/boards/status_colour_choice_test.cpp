#include "boards/ui/status_colour_choice.h"
#include "settings/settings_file.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(StatusColourChoice, ConfirmedColourIsStoredAndEveryChoiceReapplies)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("colour_env.ini");
    OpenSettingsFile(path);
    QLabel label;
    int applied = 0;
    std::optional<QColor> answer;
    StatusColourHooks hooks;
    hooks.pickColour = [&](const QColor &, QWidget *) { return answer; };
    hooks.applyStatusColours = [&] { ++applied; };

    // No settings file yet: the label changes, the file is not created.
    answer = QColor(0x12, 0x34, 0x56);
    ChooseStatusColour(&label, 3003, Qt::white, hooks);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(applied, 1);

    ASSERT_TRUE(G_INI->WriteString("User", "Name", "x"));
    ChooseStatusColour(&label, 3003, Qt::white, hooks);
    EXPECT_EQ(ReadIniColor(*G_INI, "Status", "CB_3003", clBlack), ColorFromRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(applied, 2);

    // Cancelled: nothing stored, the stored colours are applied again all the same.
    answer.reset();
    ChooseStatusColour(&label, 1001, Qt::white, hooks);
    EXPECT_FALSE(G_INI->ValueExists("Status", "CB_1001"));
    EXPECT_EQ(applied, 3);
    CloseSettingsFile();
}
