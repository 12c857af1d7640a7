#pragma once

#include "start/device_start.h"
#include "start/login.h"
#include "reference/reference_sequence.h"
#include "start/start_initialization.h"

#include <QObject>

#include <array>
#include <functional>

class QPrinter;
class QSerialPort;
class TFRM_MAIN;
class TFRM_ACP;

// The devices of this PC: serial ports, network printers and the system's printers. This
// platform has no caller-ID vendor library, so a box of the vendor kinds does not open.
class DesktopStartDevices : public IStartDevices
{
public:
    explicit DesktopStartDevices(QObject *owner);
    QString openCallerIdPort(int box, const QString &port, int baud) override;
    bool loadVendorLibrary() override { return false; }
    bool openVendorPort(int) override { return false; }
    QString probeSerialPrinter(int slot, const QString &port, int baud) override;
    QString connectNetworkPrinter(int slot, const QString &host, quint16 port, int timeoutMs) override;
    QString selectSystemPrinter(int slot, int index) override;
    QStringList installedPrinters() override;

private:
    QObject *m_owner;
    std::array<QSerialPort *, 2> m_cidPorts{};
};

// The reception host's windows as the synchronization sees them: open = shown.
class HostReceptionWindows : public IReceptionWindows
{
public:
    explicit HostReceptionWindows(const TFRM_ACP *host) : m_host(host) {}
    bool anyDeliveryOpen() const override;
    bool deliveryModifyOpen() const override;
    bool anyQuickOpen() const override;
    bool quickModifyOpen() const override;

private:
    const TFRM_ACP *m_host;
};

// The main window's side of the start-up and of the synchronization.
StartWindow MakeStartWindow(TFRM_MAIN *window);
SequenceWindow MakeSequenceWindow(TFRM_MAIN *window);
// The loaders with the window's own steps bound (status bar, notices, stored messages); the
// table installed by SetReferenceLoaderTable instead when there is one.
ReferenceLoaderTable WindowLoaderTable(TFRM_MAIN *window);
// What the login's screen steps do on the main window's screens.
LoginScreenHook MakeLoginScreenHook(TFRM_MAIN *window);

// Replaces the loaders the program uses (tests bind fakes); an empty table restores the program's.
void SetReferenceLoaderTable(ReferenceLoaderTable table);
// Replaces the devices (tests); nullptr restores the desktop's.
void SetStartDevices(IStartDevices *devices);

// The start-up's caller-ID steps, installed by the caller-ID room: the network caller-ID server
// (connect, or hide its picture) and the telephone-service login. Stand-ins until installed.
struct CallerIdStartHooks
{
    std::function<void(TFRM_MAIN *window, bool use)> networkCallerId;
    std::function<void(TFRM_MAIN *window)> ktLogin;
};
void SetCallerIdStartHooks(CallerIdStartHooks hooks);

// Installs the whole start-up as the main window's initialization, the synchronization as the
// "동기화" button's action and the login's screen steps.
void InstallStartInitialization();

// Registers the login's start forms (the advertisement picture) with the program start.
void InstallLoginForms();
// InstallLoginForms, and a start-up initialization that reads the saved login and runs
// func_Login, for as long as the main window has no fuller initialization installed.
void InstallLoginInitialization();

// proc_InitDataReceiveAfter: one gauge increment (wrapping at the maximum) and a message pump.
void proc_InitDataReceiveAfter();
