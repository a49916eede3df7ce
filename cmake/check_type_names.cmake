# No two headers of the program declare a class or struct of the same name
# (cmake -DSRC=<src dir> -P check_type_names.cmake). Headers of different
# subsystems share the namespace orvanta, so two types of one name linked
# into one program silently take each other's inline members.
get_filename_component(SRC "${SRC}" ABSOLUTE)
file(GLOB_RECURSE headers "${SRC}/*.h")
set(seen "")
set(errors "")
foreach(h IN LISTS headers)
  file(RELATIVE_PATH rel "${SRC}" "${h}")
  file(STRINGS "${h}" lines REGEX "^(struct|class) [A-Za-z_][A-Za-z0-9_]* *(\\{|:|final)")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^(struct|class) ([A-Za-z_][A-Za-z0-9_]*).*" "\\2" name "${line}")
    if(DEFINED first_${name})
      string(APPEND errors "  ${name}: src/${first_${name}} and src/${rel}\n")
    else()
      set(first_${name} "${rel}")
    endif()
  endforeach()
endforeach()
if(errors)
  message(FATAL_ERROR "Types declared twice under one name:\n${errors}")
endif()
