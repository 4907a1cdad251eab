# Cross build for 32-bit Windows; test programs run under 32-bit Wine where
# the machine can run 32-bit x86 code (tools/test says when it cannot).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KELVARA_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-exec)
# The same arithmetic as the 64-bit build (every supported Windows has SSE2),
# and the whole 4 GB address space on 64-bit Windows for the memory release.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--large-address-aware")
