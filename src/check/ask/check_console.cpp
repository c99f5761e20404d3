#include "check/ask/check_console.h"

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

// Whether the answer is one of the words, spaces around it aside.
static int SaysOneOf(const wchar_t *answer, const wchar_t *const *words, int count)
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
    for (int word = 0; word < count; ++word) {
        int i = 0;
        while (i < length && words[word][i] && Folded(answer[i]) == words[word][i])
            ++i;
        if (i == length && !words[word][i])
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

int SaysYes(const wchar_t *answer)
{
    static const wchar_t *const YES[] = {L"Y", L"YES", L"\x306F\x3044"};  // はい
    return SaysOneOf(answer, YES, 3);
}

int SaysLetter(const wchar_t *answer, wchar_t letter)
{
    const wchar_t word[2] = {letter, L'\0'};
    const wchar_t *const words[] = {word};
    return SaysOneOf(answer, words, 1);
}
