// What vorn-check says of a hotkey it is asked to add: why it refuses one,
// and what may surprise in one it would write. Shared by the questions at
// the console and the command line.
#ifndef VORN_CHECK_HOTKEY_ADD_REPORT_H
#define VORN_CHECK_HOTKEY_ADD_REPORT_H

#include <stdio.h>

#include "check/hotkey_add.h"

// The verdict's refusal, or each of its warnings, one line each, in the
// report's language; shown is the settings file as the user named it, and
// codePage the one its lines are written in.
void PrintAddVerdict(FILE *out, const AddVerdict *verdict, const HotkeyRequest *request, const char *shown,
                     unsigned codePage);

#endif
