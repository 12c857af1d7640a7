#pragma once

class CidServerLink;
class CallerIdSources;
class TFRM_MAIN;

// Puts caller ID into the program: calls are routed into the main window's reception host,
// board and courier-call popup; the serial boxes' ports feed their frame readers; the network
// caller-ID link and the telephone-service login run from the start-up; the close routine ends
// them; the side panel "CID내역" shows the day's calls.
void InstallCallerId(TFRM_MAIN *window);

// The parts installed (null before InstallCallerId).
CidServerLink *InstalledCidServerLink();
CallerIdSources *InstalledCallerIdSources();
