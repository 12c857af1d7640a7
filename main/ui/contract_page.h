#pragma once

#include "boards/ui/web_popup.h"

#include <functional>

// The platform-payment agreement of a branch account: shows the signature page, then asks the
// server; when it still lacks the agreement the main window closes and the program ends.
// The page gets the password only over HTTPS; otherwise the page is not opened (logged).
void procCheckPlaformContract();
// Intentionally without effect.
void procCheckContract();

// How the page is shown (modal by default); tests install their own. Returns the previous one.
using ContractPageRunner = std::function<void(TfrmReqPay *popup)>;
ContractPageRunner SetContractPageRunner(ContractPageRunner runner);
