// vorn-check's words: one line per settings line, warnings beneath, a summary.
#ifndef VORN_CHECK_CHECK_REPORT_H
#define VORN_CHECK_CHECK_REPORT_H

#include <stdio.h>

#include "check/setting_check.h"

// The OEM code page the file's text is decoded in where the system has
// none to give (not on Windows, which uses its own); 932 unless set.
void SetReportCodePage(unsigned codePage);

void PrintReportHeader(FILE *out);

void PrintVerdict(FILE *out, const LineVerdict *verdict);

void PrintSummary(FILE *out, const char *path, const CheckSummary *summary);

#endif
