#!/usr/bin/env bash
# Static analysis of src/: clang-tidy with .clang-tidy over the host build and,
# for the Win32-only files, over the MinGW-w64 build; then cppcheck; then
# the shell scripts through shellcheck.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset host >/dev/null
cmake --preset mingw-x64 >/dev/null

echo "== clang-tidy"
# Only the counts of warnings suppressed in system headers are left out.
quiet() { grep -v 'warnings generated' || true; }
# Every file of vorn-check that is not Windows' alone goes through the host
# build, the Windows ones and those with Windows' branches through MinGW's.
host_check=()
for file in src/check/*.cpp src/check/*/*.cpp; do
    [[ $file == *_win32.cpp ]] || host_check+=("$file")
done
clang-tidy --quiet -p build/host src/settings/*.cpp src/actions/*.cpp "${host_check[@]}" src/platform/platform_posix.cpp \
    2>&1 | quiet
clang-tidy --quiet -p build/mingw-x64 --extra-arg=--target=x86_64-w64-mingw32 \
    src/platform/platform_win32.cpp src/shell/*.cpp src/check/*/*_win32.cpp src/check/vorn_check_main.cpp \
    src/check/report/check_report.cpp 2>&1 | quiet

echo "== cppcheck"
# C-style casts are the house style at the Win32 boundary.
cppcheck --enable=warning,style,performance,portability --std=c++17 --error-exitcode=1 --quiet \
    --inline-suppr --suppress=missingIncludeSystem --suppress=cstyleCast -I src src
cppcheck --enable=warning,style,performance,portability --std=c++17 --error-exitcode=1 --quiet \
    --inline-suppr --suppress=missingIncludeSystem --suppress=cstyleCast -I src -D_WIN32 src
echo "== shellcheck"
# Every shell script of the project, the CI entry included.
git ls-files -z -- '*.sh' .ci/run | xargs -0 shellcheck --severity=warning
echo "clean"
