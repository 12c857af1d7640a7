#pragma once

#include <functional>

// The session containers that live from the main window's creation to the close routine.
// Owners register how to make and free theirs; proc_CreateStruct makes them in registration
// order and proc_DestroyStruct frees them in reverse order. An owner that goes away before the
// program ends takes its pair back with the id it was given.
int RegisterSessionContainer(std::function<void()> create, std::function<void()> destroy);
void UnregisterSessionContainer(int id);
void proc_CreateStruct();
void proc_DestroyStruct();
