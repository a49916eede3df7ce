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

# orvanta_ui: the Qt sources of every src/<subsystem>/ui/ folder, one library
# because windows of different subsystems call one another.
function(orvanta_ui_library)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/*.cpp" "${PROJECT_SOURCE_DIR}/src/*.h")
  list(FILTER srcs INCLUDE REGEX "/ui/")
  list(FILTER srcs EXCLUDE REGEX "/ui/main\\.cpp$")
  add_library(orvanta_ui STATIC ${srcs})
  target_link_libraries(orvanta_ui PUBLIC orvanta_core
    Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Network Qt6::Svg Qt6::SvgWidgets JPEG::JPEG)
  target_compile_definitions(orvanta_ui PUBLIC
    ORVANTA_DATA_SOURCE_DIR="${ORVANTA_DATA_SOURCE_DIR}"
    ORVANTA_VERSION_TEXT="${PROJECT_VERSION}")
endfunction()
