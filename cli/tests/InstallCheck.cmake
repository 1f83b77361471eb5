# Installs the build into a fresh prefix, as a user would, and checks what a
# desktop and a shell find there: the program and qorvane-cli with their
# content files, the links in bin/, the desktop entry and its two icons.
# qorvane-cli is run through its link, so it must find dream.dll beside its
# real path. Run by CTest with -DBUILD_DIR, -DPREFIX, -DPROGRAM_DIR, -DBIN_DIR,
# -DDATA_DIR and, when found, -DDESKTOP_FILE_VALIDATE.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

foreach(file
    "${BIN_DIR}/qorvane" "${BIN_DIR}/qorvane-cli"
    "${PROGRAM_DIR}/qorvane" "${PROGRAM_DIR}/qorvane-cli" "${PROGRAM_DIR}/BrelmFile.dll" "${PROGRAM_DIR}/dream.dll"
    "${DATA_DIR}/applications/qorvane.desktop"
    "${DATA_DIR}/icons/hicolor/scalable/apps/qorvane.svg"
    "${DATA_DIR}/icons/hicolor/256x256/apps/qorvane.png")
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND "${PREFIX}/${BIN_DIR}/qorvane-cli" phone 13912345678
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE error)
if(NOT status EQUAL 0 OR NOT output MATCHES "^手机号码是：13912345678\n状态：[^\n]+\n")
  message(FATAL_ERROR "the installed qorvane-cli did not read dream.dll (${status}): ${output}${error}")
endif()

if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/${DATA_DIR}/applications/qorvane.desktop"
                  RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "the installed desktop entry is not valid: ${report}")
  endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
