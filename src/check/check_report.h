// vorn-check's words: one line per settings line, warnings beneath, a summary.
#ifndef VORN_CHECK_CHECK_REPORT_H
#define VORN_CHECK_CHECK_REPORT_H

#include <stdio.h>

#include "check/check_text.h"
#include "check/setting_check.h"
#include "check/setting_fix.h"
#include "check/setting_write.h"

// The OEM code page the file's text is decoded in where the system has
// none to give (not on Windows, which uses its own); 932 unless set.
void SetReportCodePage(unsigned codePage);

// The language of every text from here on; English unless set.
void SetReportLanguage(ReportLanguage language);

ReportLanguage ReportLanguageInUse();

// A ReportText in the report's language, with its arguments, and a line
// break; an int, since an enum before the arguments would be promoted.
// Written to a console in UTF-16, leaving its code page as it was; to a
// file or a pipe on Windows in the console's code page, or the OEM one
// without a console, and elsewhere in UTF-8.
void PrintText(FILE *out, int text, ...);

#ifdef _WIN32
// Whether out is a console window, which takes every character.
int ReportIsOnConsole(FILE *out);

// Whether out can show every text of the language: a console, or a file or
// a pipe whose code page encodes them all.
int ReportCanShow(FILE *out, ReportLanguage language);
#endif

void PrintReportHeader(FILE *out);

// The verdict on a line and what may surprise in it; with the line's
// correction, where the report has it, what to write instead.
void PrintVerdict(FILE *out, const LineVerdict *verdict, const LineFix *fix);

// A line as it was and as --fix wrote it, beneath its verdict.
void PrintLineChange(FILE *out, const LineFix *change);

// What is told of the whole file: NUL bytes and what Vorn drops for them,
// characters the code page lacks, and the correction of every line from
// rest on: text past the last LF, or all lines where Vorn's are not the
// editor's and no correction could stand beneath its line.
void PrintFileFindings(FILE *out, const SettingFix *fix, LineFix *rest);

// "read in code page N (why that one)".
void PrintCodePage(FILE *out, unsigned codePage, ReportText source);

void PrintSummary(FILE *out, const char *path, const CheckSummary *summary);

// Why no corrections are offered for a file too large; or, given the
// command's file, how to write the corrections shown.
void PrintCorrectable(FILE *out, const char *command, const SettingFix *fix);

// After --fix: what changed, and where the original is kept.
void PrintFixed(FILE *out, const char *path, const SettingFix *applied, const char *backup);

// Why --fix left the file as it was, or what it kept where the replace
// stopped half-way.
void PrintWriteFailure(FILE *out, const char *path, const WriteResult *result);

// What the writer found on its way: the file a symbolic link points to,
// written in its place; temporary files an earlier run left.
void PrintWriteNotes(FILE *out, const char *path, const WriteResult *result);

#endif
