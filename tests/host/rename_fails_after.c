/* Preloaded into vorn-check: rename(2) does its work, then says it failed,
   as it may on a network file system. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>

int rename(const char *from, const char *to)
{
    int (*real)(const char *, const char *) = (int (*)(const char *, const char *))dlsym(RTLD_NEXT, "rename");
    if (real(from, to) == 0)
        errno = EIO;
    return -1;
}
