# The release archive: Vorn.exe for x64 and x86, vorn-check.exe, the example
# settings, the README and the licence. Built from the x64 tree, which takes
# the x86 Vorn.exe from VORN_X86_EXE (scripts/package.sh sets it).
set(VORN_X86_EXE "" CACHE FILEPATH "Vorn.exe of the x86 build, for the release archive")

install(TARGETS Vorn RUNTIME DESTINATION x64)
if(VORN_X86_EXE)
    install(FILES ${VORN_X86_EXE} DESTINATION x86)
endif()
install(TARGETS vorn-check RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/examples/setting.vorn ${PROJECT_SOURCE_DIR}/README.md
              ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "Vorn-${PROJECT_VERSION}-windows")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
