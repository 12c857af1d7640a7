#include "reference/reference_sequence.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "records/business_rules.h"
#include "records/device_records.h"
#include "records/session_records.h"

#include <exception>

namespace
{
void call(const std::function<void()> &f)
{
    if (f)
        f();
}

template <typename T>
void call(const std::function<void(T)> &f, T v)
{
    if (f)
        f(v);
}

void runSteps(const QList<SequenceStep> &steps, const ReferenceLoaderTable &table, const SequenceWindow &window)
{
    for (const SequenceStep &step : steps) {
        if (step.logStart)
            WriteLog(QStringLiteral("NEW LOG : ") + step.name + QStringLiteral(" Start"));
        RunReferenceStep(table, step.name);
        if (step.advance)
            call(window.advance);
    }
}

QString errorText(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("unknown error");
    }
}
} // namespace

QList<SequenceStep> StartupLoadSteps(const QString &userClass)
{
    using namespace RefStep;
    const bool store = userClass == QLatin1String("1");
    QList<SequenceStep> s;
    auto add = [&s](const char *name, bool log = true, bool advance = true) {
        s.append({QString::fromLatin1(name), log, advance});
    };
    add(kSysCode);
    add(kO3List);
    add(kHdList);
    add(kBrList);
    if (!store) {
        add(kDvryOutList);
        add(kStList);
        add(kGoodsGroup);
    }
    add(kConfigAddrInfo, true, false);
    add(kLoadAddr);
    add(kSysAddr);
    if (!store) {
        add(kTelList);
        add(kWkTelList);
        add(kMyWorkList);
    }
    add(kPastBranches, true, false);
    if (store) {
        add(kPtList, false, false);
        add(kComCsCode, false, true);
        return s;
    }
    add(kShareList);
    add(kBoardBrName, true, false);
    add(kBoardBrCode, true, false);
    add(kBoardDvryType, true, false);
    add(kMainBrName, true, false);
    add(kMainBrCode, true, false);
    add(kDvryBrSelectAdd, true, false);
    add(kSavedBranches, true, false);
    add(kBrStCodes, true, false);
    add(kBoardBrSt, true, false);
    add(kBoardBrChange, false, false);
    add(kDvryBrWkCount, true, false);
    add(kFilter, true, false);
    add(kDvryList, true, true);
    add(kComCsCode, true, true);
    return s;
}

QList<SequenceStep> ReInitLoadSteps(const QString &userClass, int partType)
{
    using namespace RefStep;
    const bool store = userClass == QLatin1String("1");
    QList<SequenceStep> s;
    auto add = [&s](const char *name) { s.append({QString::fromLatin1(name), false, true}); };
    if (partType == 0) {
        add(kHdList);
        add(kBrList);
        add(kDvryOutList);
    }
    if (!store) {
        add(kStList);
        add(kGoodsGroup);
    }
    add(kSysAddr);
    if (!store) {
        add(kTelList);
        add(kWkTelList);
        add(kMyWorkList);
    }
    if (partType == 0) {
        s.append({QString::fromLatin1(kReInitBoardLists), false, false});
        add(kShareList);
    }
    return s;
}

QStringList UnboundReferenceSteps(const ReferenceLoaderTable &table)
{
    QStringList names;
    for (const QString &cls : {QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("7")}) {
        QList<SequenceStep> steps = StartupLoadSteps(cls) + ReInitLoadSteps(cls, 0);
        for (const char *closing : {RefStep::kSetStat, RefStep::kNoticeInfo, RefStep::kLoadMessage})
            steps.append({QString::fromLatin1(closing)});
        for (const SequenceStep &step : steps) {
            const auto it = table.constFind(step.name);
            if ((it == table.constEnd() || !it.value()) && !names.contains(step.name))
                names.append(step.name);
        }
    }
    return names;
}

void RunReferenceStep(const ReferenceLoaderTable &table, const QString &name)
{
    const auto it = table.constFind(name);
    if (it == table.constEnd() || !it.value()) {
        WriteLog(QStringLiteral("Reference step not bound : ") + name);
        return;
    }
    it.value()();
}

void RunStartupSequence(const QString &userClass, const ReferenceLoaderTable &table, const SequenceWindow &window)
{
    WriteLog(QStringLiteral("NEW LOG : Initialize Timer Start"));
    std::exception_ptr failure;
    try {
        call(window.setHousekeeping, false);
        call(window.pump);
        call(window.setBusy, true);
        call(window.releaseTopButtons);
        runSteps(StartupLoadSteps(userClass), table, window);
        if (HasAuthGrade(4)) {
            G_CUR_FORM = QStringLiteral("FRM_ORD");
            call(window.frontToday);
        }
        call(window.networkCallerId, G_CID_INFO.Use_yn == QLatin1String("1"));
        WriteLog(QStringLiteral("NEW LOG : proc_Load_Main Start"));
        call(window.advance);
        RunReferenceStep(table, QString::fromLatin1(RefStep::kSetStat));
        call(window.advance);
        G_USER_INFO.DATA_STATUS = "1";
        call(window.todayAction);
    } catch (...) {
        failure = std::current_exception();
    }
    // The closing steps run whatever happened above, so the window is never left disabled.
    try {
        G_USER_INFO.Ord_Read = 1;
        call(window.setBusy, false);
        call(window.setHousekeeping, true);
        RunReferenceStep(table, QString::fromLatin1(RefStep::kNoticeInfo));
        call(window.advance);
        // The message list window and the composers were made with the main window's shell.
        // The stored-messages flag is the message load's own (down while it runs).
        RunReferenceStep(table, QString::fromLatin1(RefStep::kLoadMessage));
        call(window.advance);
        call(window.releaseTopButtons);
        if (G_REINIT_DONE)
            call(window.closeProgress);
        WriteLog(QStringLiteral("NEW LOG : Initialize Timer End"));
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure)
        MsgBox(QStringLiteral("frmMain[tmr_InitializationTimer]:") + errorText(failure), QStringLiteral("I"));
}

bool func_CheckAccepWindow(const IReceptionWindows *w)
{
    if (!w)
        return true;
    const QString closeReception = QStringLiteral("접수창을 모두 닫은 뒤 동기화 하세요.");
    const QString closeModify = QStringLiteral("수정창을 닫은 뒤 동기화 하세요.");
    QString message;
    if (w->anyDeliveryOpen())
        message = closeReception;
    else if (w->deliveryModifyOpen())
        message = closeModify;
    else if (w->anyQuickOpen())
        message = closeReception;
    else if (w->quickModifyOpen())
        message = closeModify;
    if (message.isEmpty())
        return true;
    MsgBox(message, QStringLiteral("I"));
    return false;
}

void proc_ReInitialization(int iPartType, const QString &userClass, const ReferenceLoaderTable &table,
                           const SequenceWindow &window, const IReceptionWindows *receptions)
{
    std::exception_ptr failure;
    try {
        call(window.setHousekeeping, false);
        G_REINIT_DONE = false;
        call(window.pump);
        if (iPartType != 0 || func_CheckAccepWindow(receptions)) {
            if (window.showProgress)
                window.showProgress(QStringLiteral("동기화"));
            call(window.setBusy, true);
            runSteps(ReInitLoadSteps(userClass, iPartType), table, window);
            call(window.closeProgress);
            call(window.setBusy, false);
            G_USER_INFO.DATA_STATUS = "1";
            if (HasAuthGrade(4))
                call(window.frontToday);
            call(window.releaseTopButtons);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    G_USER_INFO.Ord_Read = 1;
    call(window.setBusy, false);
    G_REINIT_DONE = true;
    call(window.setHousekeeping, true);
    if (failure) {
        call(window.closeProgress);
        MsgBox(QStringLiteral("frmMain[reInitialization]:") + errorText(failure), QStringLiteral("I"));
    }
}
