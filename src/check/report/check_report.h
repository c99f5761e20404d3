// vorn-check's words: one line per settings line, warnings beneath, a summary.
#ifndef VORN_CHECK_CHECK_REPORT_H
#define VORN_CHECK_CHECK_REPORT_H

#include <stdio.h>

#include "check/report/check_text.h"
#include "check/read/setting_check.h"
#include "check/read/setting_fix.h"
#include "check/system/setting_write.h"

// The OEM code page the file's text is decoded in where the system has
// none to give (not on Windows, which uses its own); 932 unless set.
void SetReportCodePage(unsigned codePage);

// The language of every text from here on; English unless set.
void SetReportLanguage(ReportLanguage language);

ReportLanguage ReportLanguageInUse();

// A combination as Windows names it, in the report's language and in
// UTF-8: "Ctrl+Alt+N", "Win+Home", in Japanese "Win+左方向キー".
void KeyCombinationName(unsigned modifiers, int32_t keyCode, char *name, size_t capacity);

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

// A settings line as an editor shows it, its tabs marked, in UTF-8.
void ShowSettingLine(const char *line, int length, char *shown, size_t capacity);

// The combination a line binds, as a sentence of the report names it.
void NameCombination(const ParsedSettingLine *parsed, char *name, size_t capacity);

// The verdict on a line and what may surprise in it; with the line's
// correction, where the report has it, what to write instead.
// change, after --fix, is what it wrote in the line: a key character it
// wrote for a key's name has no other reading to offer.
void PrintVerdict(FILE *out, const LineVerdict *verdict, const LineFix *fix, const LineFix *change);

// A line as it was and as --fix wrote it, beneath its verdict.
void PrintLineChange(FILE *out, const LineFix *change);

// What is told of the whole file: NUL bytes and what Vorn drops for them,
// characters the code page lacks, and the correction of every line from
// rest on: text past the last LF, or all lines where Vorn's are not the
// editor's and no correction could stand beneath its line.
void PrintFileFindings(FILE *out, const SettingFix *fix, LineFix *rest);

// "read in code page N (why that one)".
void PrintCodePage(FILE *out, unsigned codePage, ReportText source);

// Where Vorn's lines are not the editor's, how many of the editor's lines
// Vorn binds; where notes are all there is to tell, that every line is bound.
void PrintSummary(FILE *out, const char *path, const CheckSummary *summary, const SettingFix *fix);

// Why no corrections are offered for a file too large; or, given the
// command's file, how to write the corrections shown.
void PrintCorrectable(FILE *out, const char *command, const SettingFix *fix);

// After --fix: what changed, and where the original is kept.
void PrintFixed(FILE *out, const char *path, const SettingFix *applied, const char *backup);

// Why --fix left the file as it was, or what it kept where the replace
// stopped half-way.
void PrintWriteFailure(FILE *out, const char *path, const WriteResult *result);

// After --fix, each line of the file at path that still needs the user
// (rejected, warned of, or noted with another reading to weigh), with
// what is said of it: now is the file as it is, applied what --fix
// wrote into it.
void PrintLeftToUser(FILE *out, const wchar_t *path, unsigned codePage, const SettingFix *now,
                     const SettingFix *applied);

// What the writer found on its way: the file a symbolic link points to,
// written in its place; temporary files an earlier run left.
void PrintWriteNotes(FILE *out, const char *path, const WriteResult *result);

#endif
