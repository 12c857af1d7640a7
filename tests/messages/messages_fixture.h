#pragma once

#include "messages/message_center.h"

#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "link/sandbox_link_fixture.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "sandbox/sandbox_messages.h"
#include "settings/settings_file.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

// A store user logged in to a running sandbox, with a settings file and a day's message file of
// their own, and a message center whose commands are recorded.
class MessagesSandboxTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        proc_SetLanKor();
        ResetMessageRecords();
        G_DVRY_GRP_INFO.clear();
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("3001");
        G_USER_INFO.UserAuthGrade = 1;
        G_USER_INFO.HD = QStringLiteral("H0001");
        G_USER_INFO.BR = QStringLiteral("B000101");
        G_USER_INFO.ST = QStringLiteral("S000101");
        G_USER_INFO.USER_CODE = QStringLiteral("S000101");
        G_USER_INFO.GRP_NAME = QStringLiteral("행복치킨 본점");
        G_USER_INFO.AUTH_TEL = QStringLiteral("01012345678");
        G_USER_SET = TUSER_SET();
        G_REINIT_DONE = true;
        G_MSG_LOADED = true;
        OpenSettingsFile(dir.filePath(QStringLiteral("CourierDesk_env.ini")));
        makeCenter();
    }

    void TearDown() override
    {
        center.reset();
        CloseSettingsFile();
        ResetMessageRecords();
        G_REINIT_DONE = false;
        SandboxLinkTest::TearDown();
    }

    void makeCenter()
    {
        center = std::make_unique<MessageCenter>();
        center->hooks.messageFilePath = [this] { return messageFile(); };
        center->hooks.closeProgram = [this](const QString &text) { closed << text; };
        center->hooks.reloadCash = [this] { ++cashReloads; };
        center->hooks.reloadDeliveryGroup = [this](const QString &code, int index) { groupReloads << qMakePair(code, index); };
    }

    QString messageFile() const { return dir.filePath(QStringLiteral("CID/20261211_tester.Dat")); }

    QString post(QJsonObject m)
    {
        if (!m.contains(QStringLiteral("to_id")) && !m.contains(QStringLiteral("to_code")))
            m.insert(QStringLiteral("to_id"), QStringLiteral("tester"));
        return SandboxMessages::postMessage(*host->database(), m);
    }

    // Fields of the latest request with that code.
    QStringList lastFields(const QString &code) const
    {
        const QList<SandboxRequest> all = host->receivedRequests();
        for (auto it = all.crbegin(); it != all.crend(); ++it) {
            if (it->reqNum == code)
                return it->fields();
        }
        return {};
    }

    QTemporaryDir dir;
    std::unique_ptr<MessageCenter> center;
    QStringList closed;
    int cashReloads = 0;
    QList<QPair<QString, int>> groupReloads;
};
