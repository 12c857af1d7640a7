#pragma once

#include "sandbox/sandbox_request.h"

class SandboxDatabase;
class SandboxRandom;

// The demo world's money: a balance, deposit and outstanding amount per head office, branch and
// store, each with a change mark so a cash load asks only for what changed since its last mark.
namespace SandboxCash
{
void addArea(SandboxDatabase &db);
// The cash load ("CS01_01_V07"/"CMM8"): ID, USER_TYPE_CD, HD, BR, ST, MULTI_TYPE, mark, "0".
SandboxReply load(const SandboxDatabase &db, const SandboxRequest &request);
// One move: stores pay delivery fees, one tops up, outstanding amounts settle.
void step(SandboxDatabase &db, SandboxRandom &rng);
} // namespace SandboxCash
