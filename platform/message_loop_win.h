#pragma once
#include <windows.h>

#include <functional>

// Handles every window message already waiting, then returns: the run's
// "yield to the event loop".
void DoEvents();

// Pumps messages until done() holds or timeoutMs passes; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Routes keyboard messages through the dialog manager of the top-level
// window they belong to, so Tab and access keys work in plain windows.
bool TranslateForDialogs(MSG& msg);
