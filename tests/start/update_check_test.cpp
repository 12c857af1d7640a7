#include "start/update_check.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace
{
class UpdateCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        stamp = QDateTime(QDate(2026, 11, 3), QTime(14, 5, 9));
        makeFile(QStringLiteral("courier-desk"));
        makeFile(QStringLiteral("IMG/logo.png"));
    }
    void makeFile(const QString &rel)
    {
        const QString path = dir.filePath(rel);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.flush();
        f.setFileTime(stamp, QFileDevice::FileModificationTime);
    }
    static QByteArray entry(const QString &edition, const QString &dest, const QString &time)
    {
        return QStringLiteral("<FILE><ED>%1</ED><SRC>/files/%2</SRC><DEST>%2</DEST><TIME>%3</TIME></FILE>")
            .arg(edition, dest, time)
            .toUtf8();
    }
    static QByteArray manifest(const QByteArray &items) { return "<?xml version=\"1.0\"?><UPDATE>" + items + "</UPDATE>"; }
    QString stampText() const { return stamp.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

    QTemporaryDir dir;
    QDateTime stamp;
};
} // namespace

TEST_F(UpdateCheckTest, MatchingFilesNeedNoUpdate)
{
    const QByteArray xml = manifest(entry("39", "courier-desk", stampText()) + entry("39", "IMG\\logo.png", stampText()));
    EXPECT_FALSE(UpdateDue(xml, 39, dir.path()));
    const QList<TUpdateInfos> entries = ManifestEntries(xml, 39, dir.path());
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].dest_path, QStringLiteral("IMG\\logo.png"));
    EXPECT_EQ(entries[1].full_path, dir.path() + QStringLiteral("/IMG/logo.png"));
    EXPECT_EQ(entries[1].src_path, QStringLiteral("/files/IMG\\logo.png"));
}

TEST_F(UpdateCheckTest, MissingFileOrAnyTimeDifferenceMakesUpdateDue)
{
    const struct
    {
        const char *name;
        QByteArray items;
        bool due;
    } cases[] = {
        {"missing file", entry("39", "courier-desk", stampText()) + entry("39", "lib/new.so", stampText()), true},
        {"older in manifest", entry("39", "courier-desk", "2026-11-03 14:05:08"), true},
        // A local file newer than the manifest's also counts as different.
        {"newer in manifest", entry("39", "courier-desk", "2026-11-03 14:05:10"), true},
        {"other format", entry("39", "courier-desk", "2026/11/03 14:05:09"), true},
        {"other edition differs", entry("38", "courier-desk", "2001-01-01 00:00:00") + entry("T", "gone", "x"), false},
        {"test build tag ignored", entry("0", "gone", stampText()), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(UpdateDue(manifest(c.items), 39, dir.path()), c.due) << c.name;
    EXPECT_TRUE(UpdateDue(manifest(entry("T", "gone", stampText())), 0, dir.path()));
    EXPECT_FALSE(UpdateDue(manifest(entry("0", "gone", stampText())), 0, dir.path()));
}

TEST_F(UpdateCheckTest, OnlyTheFirstSeventyChildrenCount)
{
    QByteArray items;
    for (int i = 0; i < 70; ++i)
        items += entry("12", "other", "x");
    EXPECT_FALSE(UpdateDue(manifest(items + entry("39", "missing", stampText())), 39, dir.path()));
    items.chop(entry("12", "other", "x").size());
    EXPECT_TRUE(UpdateDue(manifest(items + entry("39", "missing", stampText())), 39, dir.path()));
}

TEST_F(UpdateCheckTest, EmptyOrBrokenManifestMeansNoUpdate)
{
    EXPECT_FALSE(UpdateDue(QByteArray(), 39, dir.path()));
    EXPECT_FALSE(UpdateDue("not xml at all", 39, dir.path()));
    EXPECT_FALSE(UpdateDue("<UPDATE><FILE><ED>39</ED><SRC>", 39, dir.path()));
    // Cut short after a complete entry whose file is missing: still no update.
    const QByteArray cut = "<?xml version=\"1.0\"?><UPDATE>" + entry("39", "missing", stampText()) + "<FILE><ED>3";
    EXPECT_FALSE(UpdateDue(cut, 39, dir.path()));
    EXPECT_TRUE(ManifestEntries(cut, 39, dir.path()).isEmpty());
    EXPECT_FALSE(UpdateDue(manifest(entry("39", "missing", stampText())) + "<UPDATE/>", 39, dir.path()))
        << "a second root element is not a manifest";
    EXPECT_FALSE(UpdateDue(manifest("<FILE><ED>39</ED><SRC>a</SRC><DEST>missing</DEST></FILE>"), 39, dir.path()))
        << "an entry without its time is not an entry";
}
