# The zip a Windows user downloads: the two programs, the two read-me files
# and the licence, side by side with no folder around them, so that whatever
# folder the user unpacks into is the folder the programs start from.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KELVARA_PACKAGE_ARCH win64)
else()
  set(KELVARA_PACKAGE_ARCH win32)
endif()

# Texts as Notepad reads them on every Windows the programs run on: a UTF-8
# byte order mark (Notepad before Windows 10 1903 guesses the code page
# without one) and CRLF line ends (before 1809 it shows LF-only text as one
# line). The sources stay plain UTF-8 with LF.
string(ASCII 239 187 191 kelvara_utf8_bom)
function(kelvara_windows_text source output)
  file(READ ${source} text)
  string(CONFIGURE "${text}" text @ONLY)
  file(GENERATE OUTPUT ${output} CONTENT "${kelvara_utf8_bom}${text}" NEWLINE_STYLE CRLF)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

set(kelvara_package_texts ${CMAKE_BINARY_DIR}/package-texts)
kelvara_windows_text(${PROJECT_SOURCE_DIR}/docs/release/README-ja.txt
  ${kelvara_package_texts}/README-ja.txt)
kelvara_windows_text(${PROJECT_SOURCE_DIR}/docs/release/README-en.txt
  ${kelvara_package_texts}/README-en.txt)
kelvara_windows_text(${PROJECT_SOURCE_DIR}/LICENSE.txt ${kelvara_package_texts}/LICENSE.txt)

install(TARGETS kelvara start RUNTIME DESTINATION .)
install(FILES ${kelvara_package_texts}/README-ja.txt ${kelvara_package_texts}/README-en.txt
  ${kelvara_package_texts}/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kelvara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME kelvara-${PROJECT_VERSION}-${KELVARA_PACKAGE_ARCH})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
