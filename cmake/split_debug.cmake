# Moves a Windows program's debug information into <program>.debug beside it.
# Wine loads every section of an image into memory, debug ones included, so
# an unsplit kelvara.exe would cost its users some 13 MB for nothing.
function(kelvara_split_debug target)
  # A release build has no debug information to move, and a debug link to a
  # file that is not shipped would only point at nothing.
  if(NOT MINGW OR NOT CMAKE_OBJCOPY OR CMAKE_BUILD_TYPE MATCHES "^(Release|MinSizeRel)$")
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
            $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
