#pragma once

#include <QString>

// Switches of the sandbox's login area (demo users, login, SMS codes, password change, phone and
// PC registration). Thread-safe; they apply to every sandbox host of the process.
namespace SandboxLogin
{
// When on, every SMS code the sandbox "sends" is also written into the reply's message (and to
// the sandbox's standard error), so a person or a test can type it. Off by default; the
// executable turns it on with COURIER_SANDBOX_REVEAL_SMS=1.
void setRevealSmsCode(bool on);
bool revealSmsCode();
// The latest SMS code issued (empty before the first).
QString lastSmsCode();

// The demo account for trying the program by hand: a store that logs in without further dialogs.
inline constexpr char kDemoId[] = "demo";
inline constexpr char kDemoPassword[] = "Demo!2026desk";
} // namespace SandboxLogin
