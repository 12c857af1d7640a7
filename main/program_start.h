#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

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
void ResetSessionCounters();            // message and delivery-group counters, control-screen flags
void BuildSessionKey();

// The session containers that live from the main window's creation to the close routine.
// Owners register how to make and free theirs; proc_CreateStruct makes them in registration
// order and proc_DestroyStruct frees them in reverse order. An owner that goes away before the
// program ends takes its pair back with the id it was given.
int RegisterSessionContainer(std::function<void()> create, std::function<void()> destroy);
void UnregisterSessionContainer(int id);
void proc_CreateStruct();
void proc_DestroyStruct();

// Set when the program has decided to end before its message loop ran (the update check).
bool ProgramEndRequested();
void RequestProgramEnd();
void ResetProgramEndRequest();

// Embedded pictures of the edition row, read by the login dialog; empty when there is none.
extern QByteArray G_RES_LOGO;
extern QByteArray G_RES_LOGIN_IMG3;
extern QByteArray G_RES_LOGIN_IMG4;
void OpenEditionPictures(int row);
