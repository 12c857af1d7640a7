#pragma once

#include "settings/deployment_config.h"
#include "records/session_records.h"
#include "link/endpoint_lookup.h"
#include "link/link_state.h"
#include "link/server_connection.h"
#include "link/session_cipher.h"
#include "link/tcp_client.h"
#include "link_test_support.h"
#include "sandbox_client_config.h"
#include "sandbox/sandbox_host.h"

#include <gtest/gtest.h>

#include <QTcpServer>

#include <memory>
#include <optional>

// A running sandbox, the deployment config pointing at it, a fresh session and (unless told
// otherwise) the shared client connected with its key exchange done.
class SandboxLinkTest : public ::testing::Test
{
protected:
    virtual bool connectAtStart() const { return true; }

    void SetUp() override
    {
        ResetSessionRecords();
        ResetLinkState();
        G_LOG_DIR = log.dir();
        G_SESSION_KEY = SessionCipher::makeSessionKey(QStringLiteral("CDK"));
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.MC = QStringLiteral("[A]PC-1");
        G_USER_INFO.GUBUN = QStringLiteral("R");
        G_VERSION = QStringLiteral("1.3.01");
        G_DEVICE = QStringLiteral("DSK");
        G_PROGRAM_NAME = QStringLiteral("CourierDesk");
        SetEndpointLookupTimeoutMs(5000);

        host = std::make_unique<SandboxHost>();
        ASSERT_TRUE(host->start()) << host->errorString().toStdString();
        PointClientAtSandbox(*host);
        G_SERVER_HOST = QStringLiteral("127.0.0.1");
        G_SERVER_PORT = host->linkPort();
        if (connectAtStart()) {
            CreateTcpClient(G_TCP_CLIENT);
            ASSERT_TRUE(ConnectServer(G_TCP_CLIENT, G_SERVER_HOST, G_SERVER_PORT, 10000));
            ASSERT_TRUE(G_CONNECTED);
        }
    }

    void TearDown() override
    {
        FreeTcpClient(G_TCP_CLIENT);
        host.reset();
        DeploymentConfig::clear();
        ResetLinkState();
        SetEndpointLookupTimeoutMs(5000);
    }

    // A port on which nothing listens.
    static quint16 closedPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

    LogCapture log;
    ScriptedMsgBox boxes;
    std::unique_ptr<SandboxHost> host;
};
