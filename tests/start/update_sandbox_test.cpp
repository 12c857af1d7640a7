#include "settings/deployment_config.h"
#include "start/update_check.h"
#include "sandbox/sandbox_host.h"
#include "sandbox/update_manifest.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

namespace
{
class UpdateOverHttpsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile program(programDir.filePath(QStringLiteral("courier-desk")));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("binary");
        program.close();
        ASSERT_TRUE(host.start()) << host.errorString().toStdString();
    }
    void TearDown() override { DeploymentConfig::clear(); }

    void serve(bool updateDue)
    {
        host.setRoute(QString::fromLatin1(kUpdateManifestPath), [this, updateDue](const WebRequest &) {
            return WebReply::text(CurrentUpdateManifest(programDir.path(), {QStringLiteral("courier-desk")},
                                                        QStringLiteral("39"), updateDue));
        });
        const QString config = programDir.filePath(QStringLiteral("courier_desk.conf"));
        ASSERT_TRUE(host.writeClientConfig(config));
        DeploymentConfig::clear();
        ASSERT_TRUE(DeploymentConfig::load(config));
    }

    QTemporaryDir programDir;
    SandboxHost host;
};
} // namespace

TEST_F(UpdateOverHttpsTest, ManifestOfTheSandboxDecidesTheUpdate)
{
    serve(false);
    EXPECT_TRUE(ManifestUrl().startsWith(QStringLiteral("https://")));
    EXPECT_FALSE(FetchManifest(ManifestUrl()).isEmpty());
    EXPECT_FALSE(func_CheckUpdate(programDir.path(), 39));

    serve(true);
    EXPECT_TRUE(func_CheckUpdate(programDir.path(), 39));
}

TEST_F(UpdateOverHttpsTest, UnreachableManifestMeansNoUpdate)
{
    serve(true);
    DeploymentConfig::setValue(QString::fromLatin1(DeploymentConfig::kUpdateManifestUrl),
                               host.webBaseUrl() + QStringLiteral("/no/such/manifest.xml"));
    EXPECT_FALSE(func_CheckUpdate(programDir.path(), 39));
    DeploymentConfig::setValue(QString::fromLatin1(DeploymentConfig::kUpdateManifestUrl), QString());
    EXPECT_FALSE(func_CheckUpdate(programDir.path(), 39)) << "no update host configured";
}
