#include "platform/machine_id.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace
{
class FakeMachineId : public IMachineIdSource
{
public:
    explicit FakeMachineId(QByteArray id) : m_id(std::move(id)) {}
    QByteArray machineId() const override { return m_id; }

private:
    QByteArray m_id;
};

class MachineIdTest : public ::testing::Test
{
protected:
    void TearDown() override { SetMachineIdSource(nullptr); }
};

TEST_F(MachineIdTest, SerialIsTwoUpperCaseHalvesWithLeadingZeros)
{
    EXPECT_EQ(FormatVolumeSerial(0x1A2B3C4D), "1A2B-3C4D");
    EXPECT_EQ(FormatVolumeSerial(0x00AB000C), "00AB-000C");
    EXPECT_EQ(FormatVolumeSerial(0), "0000-0000");
    EXPECT_EQ(FormatVolumeSerial(0xFFFFFFFF), "FFFF-FFFF");
}

TEST_F(MachineIdTest, PcIdComesFromTheMachineId)
{
    const struct
    {
        QByteArray id;
        const char *serial;
    } cases[] = {
        {"1a2b3c4d5e6f708192a3b4c5d6e7f809\n", "1A2B-3C4D"},
        {"000f00ab", "000F-00AB"},
        {"", "0000-0000"},
        {"1a2b", "0000-0000"},
        {"zz2b3c4d5e6f", "0000-0000"},
    };
    for (const auto &c : cases) {
        const FakeMachineId fake(c.id);
        SetMachineIdSource(&fake);
        EXPECT_EQ(GetVolumeSerial(QLatin1Char('C')), c.serial) << c.id.toStdString();
    }
}

TEST_F(MachineIdTest, FileSourceTakesTheFirstReadableNonEmptyFile)
{
    QTemporaryDir dir;
    QFile empty(dir.filePath("empty"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    QFile id(dir.filePath("machine-id"));
    ASSERT_TRUE(id.open(QIODevice::WriteOnly));
    id.write("0badcafe00000000000000000000000\n");
    id.close();
    const FileMachineIdSource source({dir.filePath("missing"), dir.filePath("empty"), dir.filePath("machine-id")});
    SetMachineIdSource(&source);
    EXPECT_EQ(GetVolumeSerial(), "0BAD-CAFE");
}

TEST_F(MachineIdTest, RealMachineGivesAStableValue)
{
    EXPECT_EQ(GetVolumeSerial(), GetVolumeSerial());
    EXPECT_EQ(GetVolumeSerial().size(), 9);
}
} // namespace
