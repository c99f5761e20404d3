// A settings file that cannot be opened: why, and a file beside it that an
// editor saved under the name with an extension added, offered for renaming.
#ifndef VORN_CHECK_CHECK_OPEN_H
#define VORN_CHECK_CHECK_OPEN_H

#include <stdio.h>
#include <wchar.h>

#include "check/system/check_probe.h"

// Says that the file at path (shown as the user named it) cannot be opened,
// why, and any near name; fills probe.
void PrintCannotOpen(FILE *out, const wchar_t *path, const char *shown, OpenProbe *probe);

// Where the file is missing and a near name stands beside it, asks whether
// to give that file the name; returns 1 when the file at path now exists.
int OfferRename(const OpenProbe *probe, const wchar_t *path, const char *shown);

#endif
