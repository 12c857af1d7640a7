#pragma once

// The program as app/main.cpp puts it together, against an in-process sandbox: the assembly with
// a scripted message box, a recorded sound output and the sandbox's address, driven offscreen
// through the login dialog as a user would. Nothing else of the program is replaced.
#include "app/app_assembly.h"
#include "common/daily_log.h"
#include "link/sandbox_link_fixture.h"
#include "start/login.h"
#include "start/program_start.h"
#include "reference/reference_test_support.h"
#include "start/ui/login_dialog.h"
#include "start/ui/login_flow.h"
#include "main/ui/main_window.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

class EndToEndTest : public SandboxLinkTest
{
protected:
    bool connectAtStart() const override { return false; }

    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetAllReference();
        ResetDeviceRecords();
        ResetProgramEndRequest();
        AppSeams seams;
        seams.messageBoxes = [this](const QString &text, const QString &kind) {
            boxes << kind + QLatin1Char(' ') + text;
            return 1;
        };
        seams.soundOutput = [this](const QString &file) { sounds << file; };
        assembly = std::make_unique<AppAssembly>(std::move(seams));
        assembly->prepare(*qApp);
        window = assembly->createMainWindow();
        ASSERT_NE(window, nullptr);
        before = logLines().size();
        // Each start begins with a settings file of its own.
        QFile::remove(G_INI_PATH);
        OpenSettingsFile(G_INI_PATH);
        PointClientAtSandbox(*host);
        G_USER_INFO.GUBUN = QStringLiteral("R");
        // A page that waits for the user (the platform-payment contract) is closed as a user
        // would close it.
        QObject::connect(&modalCloser, &QTimer::timeout, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog && dialog != frmLogin)
                dialog->reject();
        });
        modalCloser.start(100);
    }

    void TearDown() override
    {
        modalCloser.stop();
        if (window) {
            window->sessionTimeout.tmrSession.stop();
            window->Tag = 1;
            delete window;
        }
        QFile::remove(G_INI_PATH);
        SetLoginScreenHook({});
        TFRM_MAIN::SetInitializationHook({});
        ForgetSessionLogin();
        assembly.reset();
        ResetAllReference();
        SandboxLinkTest::TearDown();
    }

    static QStringList logLines()
    {
        QFile f(DailyLogPath());
        QStringList out;
        if (!f.open(QIODevice::ReadOnly))
            return out;
        for (const QString &line : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            out << line.mid(line.indexOf(QLatin1Char('-')) + 1);
        return out;
    }
    QStringList newLines() const { return logLines().mid(before); }

    // Shows the window, logs in through the dialog and waits for the reference data.
    void startAs(const QString &id, const QString &password)
    {
        G_INI->WriteString(QStringLiteral("SESSION"), id, QStringLiteral("1200"));
        // The dialog comes up when the start reaches the login (a keyring read may pump first).
        auto *typer = new QTimer(window);
        QObject::connect(typer, &QTimer::timeout, typer, [typer, id, password] {
            if (!frmLogin || !frmLogin->isVisible())
                return;
            typer->stop();
            frmLogin->CTE_ID->setText(id);
            frmLogin->CTE_PW->setText(password);
            frmLogin->AdvGlassButton2->click();
            typer->deleteLater();
        });
        typer->start(20);
        window->show();
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return newLines().contains(QStringLiteral("NEW LOG : Initialize Timer End")); }, 30000))
            << newLines().join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(QTest::qWaitFor([] { return G_REINIT_DONE; }, 120000));
    }

    // The session's stores with their details (kinds, lines, groups), which arrive with the
    // start-up's reference loads after the window is ready.
    static bool waitForStoreDetails()
    {
        return QTest::qWaitFor(
            [] {
                for (int i = 0; i < G_ST_LIST.count(); ++i)
                    if (!G_ST_LIST.at(i).SHOP_TYPE.isEmpty())
                        return true;
                return false;
            },
            60000);
    }

    QList<SandboxRequest> requests(const QString &code) const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == code)
                out.append(r);
        return out;
    }

    std::unique_ptr<AppAssembly> assembly;
    TFRM_MAIN *window = nullptr;
    QStringList boxes;
    QStringList sounds;
    QTimer modalCloser;
    qsizetype before = 0;
};
