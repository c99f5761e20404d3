#include "check/check_console.h"

// Full-width ASCII, as the IME types it, in half width; small letters as capitals.
static wchar_t Folded(wchar_t c)
{
    if (c >= L'\xFF01' && c <= L'\xFF5E')
        c = (wchar_t)(c - 0xFEE0);
    return c >= L'a' && c <= L'z' ? (wchar_t)(c - L'a' + L'A') : c;
}

static int IsSpace(wchar_t c)
{
    return c == L' ' || c == L'\x3000' || c == L'\t' || c == L'\r' || c == L'\n';
}

int SaysYes(const wchar_t *answer)
{
    while (IsSpace(*answer))
        ++answer;
    int length = 0;
    while (answer[length] && !IsSpace(answer[length]))
        ++length;
    for (const wchar_t *rest = answer + length; *rest; ++rest) {
        if (!IsSpace(*rest))
            return 0;
    }
    static const wchar_t *const YES[] = {L"Y", L"YES", L"\x306F\x3044"};  // はい
    for (const wchar_t *yes : YES) {
        int i = 0;
        while (i < length && yes[i] && Folded(answer[i]) == yes[i])
            ++i;
        if (i == length && !yes[i])
            return 1;
    }
    return 0;
}

int ChosenNumber(const wchar_t *answer, int count)
{
    while (IsSpace(*answer))
        ++answer;
    wchar_t digit = Folded(*answer);
    const wchar_t *rest = answer + (*answer ? 1 : 0);
    while (IsSpace(*rest))
        ++rest;
    int number = digit >= L'1' && digit <= L'9' ? digit - L'0' : 0;
    return *rest || number > count ? 0 : number;
}
