# Target helpers. Sources are picked up by directory so that adding a file
# needs no edit here; each subsystem is its own library so that a subsystem
# builds and tests on its own.

# orvanta_<name>: the plain C++ sources of src/<name>/ (and its sub-folders other than ui/).
function(orvanta_core_library name)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${name}/*.cpp")
  list(FILTER srcs EXCLUDE REGEX "/ui/")
  set(deps)
  foreach(d IN LISTS ARGN)
    list(APPEND deps orvanta_${d})
  endforeach()
  if(srcs)
    add_library(orvanta_${name} STATIC ${srcs})
    target_include_directories(orvanta_${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(orvanta_${name} PUBLIC ${deps})
  else()
    add_library(orvanta_${name} INTERFACE)
    target_include_directories(orvanta_${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(orvanta_${name} INTERFACE ${deps})
  endif()
endfunction()

# ---- User interface: the window kit, one library per subsystem's ui/, the shell ----
#
#   orvanta_ui_kit     src/app/ui/kit/       shared services every window uses; no window
#   orvanta_<name>_ui  src/<name>/ui/        one subsystem's windows and its module function
#   orvanta_app_ui     src/app/ui/ (no kit)  the main window and the module list
#   orvanta_ui         everything, for the program, tests and benchmarks
#
# What each UI library may include is checked by cmake/check_includes.cmake,
# at configure time and again in every build (target orvanta_include_rules).

set(ORVANTA_QT_LIBS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Network Qt6::Svg Qt6::SvgWidgets)

function(orvanta_ui_kit_library)
  file(GLOB srcs CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/app/ui/kit/*.cpp" "${PROJECT_SOURCE_DIR}/src/app/ui/kit/*.h")
  add_library(orvanta_ui_kit STATIC ${srcs})
  target_link_libraries(orvanta_ui_kit PUBLIC orvanta_app ${ORVANTA_QT_LIBS} JPEG::JPEG)
  target_compile_definitions(orvanta_ui_kit PUBLIC
    ORVANTA_DATA_SOURCE_DIR="${ORVANTA_DATA_SOURCE_DIR}"
    ORVANTA_VERSION_TEXT="${PROJECT_VERSION}")
  add_dependencies(orvanta_ui_kit orvanta_include_rules)
endfunction()

# orvanta_ui_module(<name> CORES <core>... [UI <module>...]): the library of
# src/<name>/ui/, linking the kit, its own core, the listed cores and the
# listed UI modules. Nothing is created while the folder has no sources, so a
# subsystem becomes a module as soon as its ui/ folder gets files.
# ORVANTA_UI_MODULES collects the modules made, for the shell to link.
function(orvanta_ui_module name)
  cmake_parse_arguments(M "" "" "CORES;UI" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${name}/ui/*.cpp" "${PROJECT_SOURCE_DIR}/src/${name}/ui/*.h")
  if(NOT srcs)
    return()
  endif()
  set(deps orvanta_ui_kit orvanta_${name})
  foreach(c IN LISTS M_CORES)
    list(APPEND deps orvanta_${c})
  endforeach()
  foreach(u IN LISTS M_UI)
    list(APPEND deps orvanta_${u}_ui)
  endforeach()
  add_library(orvanta_${name}_ui STATIC ${srcs})
  target_link_libraries(orvanta_${name}_ui PUBLIC ${deps})
  # The shell's list of modules registers this one; a define (not a look for
  # the header) so that the list is recompiled when a module appears.
  string(TOUPPER "${name}" upper)
  target_compile_definitions(orvanta_${name}_ui INTERFACE ORVANTA_HAS_${upper}_UI=1)
  set(mods ${ORVANTA_UI_MODULES})
  list(APPEND mods orvanta_${name}_ui)
  set(ORVANTA_UI_MODULES "${mods}" CACHE INTERNAL "UI module libraries")
endfunction()

# The shell on top: main window, its own windows, the list of modules.
function(orvanta_app_ui_library)
  file(GLOB srcs CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/app/ui/*.cpp" "${PROJECT_SOURCE_DIR}/src/app/ui/*.h")
  list(FILTER srcs EXCLUDE REGEX "/ui/main\\.cpp$")
  add_library(orvanta_app_ui STATIC ${srcs})
  target_link_libraries(orvanta_app_ui PUBLIC orvanta_ui_kit orvanta_core ${ORVANTA_UI_MODULES})
  add_library(orvanta_ui INTERFACE)
  target_link_libraries(orvanta_ui INTERFACE orvanta_app_ui)
endfunction()
