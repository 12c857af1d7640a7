#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "reference/session_containers.h"

#include <functional>

class SingleInstanceMarker;

// The name of the single-instance marker. Fixed for every edition, so that two editions on one
// PC share it.
inline constexpr char kInstanceMarkerName[] = "KelmoraZOLT";

// Process entry, before any form: marks the instance (G_FIRST_INSTANCE), selects this build's
// edition row and sets the server mode to production.
void MarkInstance(SingleInstanceMarker &marker);
void SelectEdition();
void SetProductionMode();

// Steps of the main window's creation that need no widget.
void ApplyEditionGlobals(int row);      // program name, title, updater name, device code
void SetVersionFromMode();              // G_VERSION and GUBUN_MODE from GUBUN
QString SettingsFileName();             // G_PROGRAM_NAME + "_env.ini"
QString func_GetFileDate(const QString &fileName);  // "yyyymmddhhnn", empty when unreadable
void SetSeparatorAndFormats();
void ResetLinkCounters();               // not connected, no idle ticks
void ChooseInterfaceLanguage();         // "0001" and the shared texts
void SetFolderGlobals(const QString &baseDir, const QDate &today);
void WriteStartLines();
void CreateWorkFolders();               // LOG, CID, IMG, GOODS (errors ignored)
void BuildSessionKey();

// The session containers (RegisterSessionContainer, proc_CreateStruct, proc_DestroyStruct) are
// in reference/session_containers.h, beside the loaders that own most of them.

// Set when the program has decided to end before its message loop ran (the update check).
bool ProgramEndRequested();
void RequestProgramEnd();
void ResetProgramEndRequest();

// Embedded pictures of the edition row, read by the login dialog; empty when there is none.
extern QByteArray G_RES_LOGO;
extern QByteArray G_RES_LOGIN_IMG3;
extern QByteArray G_RES_LOGIN_IMG4;
void OpenEditionPictures(int row);
