# The Windows build's program folder: the DLLs the program and the tests need
# beside them in the build tree, so that they start without any search path
# (under Wine and on Windows alike): Qt's libraries and the plug-ins Qt loads
# at run time (platform, style, image formats), and the compiler's run-time
# libraries that Qt, the program and plug-in libraries share.

get_target_property(tolvex_qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(tolvex_qt_bin ${tolvex_qt_core_dll} DIRECTORY)
get_filename_component(tolvex_qt_prefix ${tolvex_qt_bin} DIRECTORY)

set(tolvex_runtime_files)
foreach(module Core Gui Widgets)
  list(APPEND tolvex_runtime_files ${tolvex_qt_bin}/Qt6${module}.dll)
endforeach()
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "The compiler's run-time library ${library} was not found")
  endif()
  list(APPEND tolvex_runtime_files ${found})
endforeach()

set(tolvex_runtime_commands
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${tolvex_runtime_files} ${CMAKE_BINARY_DIR})
foreach(kind platforms styles imageformats)
  file(GLOB plugins ${tolvex_qt_prefix}/plugins/${kind}/*.dll)
  if(plugins)
    list(APPEND tolvex_runtime_commands
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${kind}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${plugins} ${CMAKE_BINARY_DIR}/${kind})
  endif()
endforeach()
add_custom_target(windows_runtime ALL ${tolvex_runtime_commands}
  COMMENT "Copying Qt's and the compiler's DLLs into the program folder")
