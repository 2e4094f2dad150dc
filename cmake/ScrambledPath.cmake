# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a header holding PATH as Windows-1250 bytes, each raised by one, so that the
# plain path never appears in the binary.
function(tesilka_generate_scrambled_path path header)
  set(plain "${CMAKE_CURRENT_BINARY_DIR}/generated/databasepath.utf8")
  set(ansi "${CMAKE_CURRENT_BINARY_DIR}/generated/databasepath.cp1250")
  file(WRITE "${plain}" "${path}")
  execute_process(COMMAND iconv -f UTF-8 -t CP1250 "${plain}"
                  OUTPUT_FILE "${ansi}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "The database path '${path}' cannot be written in Windows-1250.")
  endif()
  file(READ "${ansi}" hex HEX)
  file(REMOVE "${plain}" "${ansi}")
  string(LENGTH "${hex}" hexLength)
  set(bytes "")
  if(hexLength GREATER 0)
    math(EXPR last "${hexLength} - 2")
    foreach(i RANGE 0 ${last} 2)
      string(SUBSTRING "${hex}" ${i} 2 pair)
      math(EXPR code "0x${pair} + 1")
      if(code GREATER 255)
        message(FATAL_ERROR "The database path contains a character that cannot be scrambled.")
      endif()
      math(EXPR code "${code}" OUTPUT_FORMAT HEXADECIMAL)
      string(APPEND bytes "${code}, ")
    endforeach()
  endif()
  math(EXPR count "${hexLength} / 2")
  file(CONFIGURE OUTPUT "${header}" CONTENT [[
#pragma once

#include <array>

// Generated at build time: the school database path, scrambled.
inline constexpr std::array<unsigned char, @count@> scrambledDatabasePath{@bytes@};
]] @ONLY)
endfunction()
