# SPDX-License-Identifier: GPL-3.0-or-later
# Fails the build when a file includes a header of a layer above its own. Run by the build
# (target check_layers) with SOURCE_DIR and RULES (the rules target's files, comma-separated)
# and STAMP set; reads every #include line of src/ and tests/.
#
#   rules (the files of playhaven_rules)  only rules headers, no Qt
#   ui                                   no game
#   help                                 no board, spinner or shell
#   board, spinner                       no shell, not each other
#   shell                                anything
# Tests keep the rules of the folder they test.

set(forbidden_ui "board/;help/;shell/;spinner/")
set(forbidden_help "board/;shell/;spinner/")
set(forbidden_board "shell/;spinner/")
set(forbidden_spinner "shell/;board/")
set(forbidden_shell "")

string(REPLACE "," ";" RULES "${RULES}")
set(failures "")
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h)
foreach(file ${files})
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  string(REGEX REPLACE "^(src|tests)/" "" in_layer "${file}")
  string(REGEX MATCH "^[a-z]+/" folder "${in_layer}")
  string(REGEX REPLACE "/$" "" folder "${folder}")
  list(FIND RULES "${in_layer}" rules_index)
  set(is_rule_test FALSE)
  if(file MATCHES "^tests/[a-z]+/tst_[a-z_]*rules\\.cpp$")
    set(is_rule_test TRUE)
  endif()
  foreach(line ${includes})
    string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" _ "${line}")
    set(header "${CMAKE_MATCH_1}")
    if(rules_index GREATER -1 OR is_rule_test)
      # A rule includes the standard library and other rules only.
      if(header MATCHES "^Q|^qt|/")
        list(FIND RULES "${header}" known)
        if(known EQUAL -1 AND NOT (is_rule_test AND header MATCHES "^(Q[A-Za-z]+|support/TestMain\\.h|tst_.*\\.moc)$"))
          list(APPEND failures "${file}: a rule includes ${header}")
        endif()
      endif()
    elseif(DEFINED forbidden_${folder})
      foreach(prefix ${forbidden_${folder}})
        string(FIND "${header}" "${prefix}" at)
        if(at EQUAL 0)
          list(APPEND failures "${file}: the ${folder} layer includes ${header}")
        endif()
      endforeach()
    endif()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Layer check failed:\n  ${text}")
endif()
file(TOUCH ${STAMP})
