# telvana_delay_load(DLL...): for each system DLL an imported library, telvana_delay_<DLL>,
# that links to the DLL's functions so that Windows loads it at the first call of one of them
# instead of when the program starts. For the DLLs that the program's first paint does not
# need (the shell, COM and drag and drop, sockets, sound output, FFmpeg's random numbers and
# TLS): loading and attaching each costs a few milliseconds of every start (under Wine ole32
# brings rpcrt4 and combase along, and bcrypt starts its crypto library).
#
# The functions are those of mingw-w64's own import library; dlltool makes the delay-load
# library from them, and its calls go through mingw-w64's __delayLoadHelper2.
function(telvana_delay_load)
  if(NOT CMAKE_DLLTOOL)
    message(FATAL_ERROR "telvana_delay_load needs dlltool (CMAKE_DLLTOOL)")
  endif()
  set(folder ${CMAKE_BINARY_DIR}/delay_load)
  file(MAKE_DIRECTORY ${folder})
  foreach(dll ${ARGN})
    set(target telvana_delay_${dll})
    if(TARGET ${target})
      continue()
    endif()
    find_library(telvana_import_${dll} NAMES ${dll} REQUIRED NO_CACHE)
    set(library ${folder}/libdelay_${dll}.a)
    if(NOT EXISTS ${library} OR ${telvana_import_${dll}} IS_NEWER_THAN ${library})
      execute_process(COMMAND ${CMAKE_NM} -g ${telvana_import_${dll}}
        OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
      if(NOT result EQUAL 0)
        message(FATAL_ERROR "cannot list the functions of ${telvana_import_${dll}}")
      endif()
      # Each imported function has a pointer "__imp_NAME" (symbol type I).
      string(REGEX MATCHALL " I __imp_[^\n]+" pointers "${symbols}")
      list(TRANSFORM pointers REPLACE "^ I __imp_" "")
      list(REMOVE_DUPLICATES pointers)
      list(JOIN pointers "\n" exports)
      file(WRITE ${folder}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
      execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${folder}/${dll}.def
        --dllname ${dll}.dll --output-delaylib ${library} RESULT_VARIABLE result)
      if(NOT result EQUAL 0)
        message(FATAL_ERROR "dlltool could not make the delay-load library of ${dll}.dll")
      endif()
    endif()
    add_library(${target} STATIC IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${library})
  endforeach()
endfunction()
