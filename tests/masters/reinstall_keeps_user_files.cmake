# Installs the data component twice into a fresh prefix; between the two the
# user's files are changed, and the second install must leave them as they are
# while it still restores what the user does not own.
file(REMOVE_RECURSE "${PREFIX}")

function(install_data)
  execute_process(
    COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}" --component velmo_data
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${out}")
  endif()
endfunction()

function(expect_content file expected)
  file(READ "${PREFIX}/${file}" actual HEX)
  string(HEX "${expected}" expected_hex)
  if(NOT actual STREQUAL expected_hex)
    message(FATAL_ERROR "${file}: expected hex ${expected_hex}, found ${actual}")
  endif()
endfunction()

install_data()

foreach(path bin/VelmoAccount.ini bin/List-.txt db/velmo.sqlite3 wav/start.wav wav/notify.wav htm/00_index.htm)
  if(NOT EXISTS "${PREFIX}/${path}" OR IS_DIRECTORY "${PREFIX}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
foreach(folder db_backup log data_for_rupa_kaikei txt)
  if(NOT IS_DIRECTORY "${PREFIX}/${folder}")
    message(FATAL_ERROR "missing folder after install: ${folder}")
  endif()
endforeach()
string(ASCII 13 cr)
expect_content(bin/VelmoAccount.ini "[user]${cr}\nname=${cr}\n[db]${cr}\nfilename=velmo.sqlite3${cr}\n")

# The user's state after some use.
file(WRITE "${PREFIX}/db/velmo.sqlite3" "books of the user")
file(WRITE "${PREFIX}/bin/VelmoAccount.ini" "[user]\nname=someone\n")
file(WRITE "${PREFIX}/bin/List-.txt" "own phrases\n")
file(REMOVE "${PREFIX}/htm/00_index.htm")

install_data()

expect_content(db/velmo.sqlite3 "books of the user")
expect_content(bin/VelmoAccount.ini "[user]\nname=someone\n")
expect_content(bin/List-.txt "own phrases\n")
if(NOT EXISTS "${PREFIX}/htm/00_index.htm")
  message(FATAL_ERROR "the user's guide was not restored by the reinstall")
endif()
file(REMOVE_RECURSE "${PREFIX}")
