# orlenta_type_library(NAME IDL [MEMBER_HELP ENUM...] [NONEXTENSIBLE TYPE...])
# - runs widl over a control server's IDL file: NAME_h.h (the interfaces),
# NAME_i.c (their identifiers) and NAME.tlb (the type library that the
# server embeds as resource 1), all in the current binary folder; the target
# NAME_typelib builds them. widl refuses help strings on enumeration members
# and the nonextensible flag on a dispinterface: tools/typelib_amend.py adds
# them to widl's library (each member of a MEMBER_HELP enumeration gets its
# own name as its help string; each NONEXTENSIBLE type gets the flag).
find_program(ORLENTA_WIDL NAMES x86_64-w64-mingw32-widl widl REQUIRED)
find_program(ORLENTA_PYTHON NAMES python3 REQUIRED)
set(ORLENTA_WINE_IDL_DIR /usr/include/wine/wine/windows CACHE PATH "Wine's IDL files (libwine-dev)")
set(ORLENTA_WINE_TLB_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows CACHE PATH "Wine's stdole2.tlb (libwine-dev)")

function(orlenta_type_library name idl)
  cmake_parse_arguments(T "" "" "MEMBER_HELP;NONEXTENSIBLE" ${ARGN})
  set(gen ${CMAKE_CURRENT_BINARY_DIR})
  set(amend ${PROJECT_SOURCE_DIR}/tools/typelib_amend.py)
  set(amendments)
  foreach(type IN LISTS T_MEMBER_HELP)
    list(APPEND amendments --member-help ${type})
  endforeach()
  foreach(type IN LISTS T_NONEXTENSIBLE)
    list(APPEND amendments --nonextensible ${type})
  endforeach()
  add_custom_command(
    OUTPUT ${gen}/${name}_h.h ${gen}/${name}_i.c ${gen}/${name}.tlb
    COMMAND ${ORLENTA_WIDL} -I${ORLENTA_WINE_IDL_DIR} -h -o ${gen}/${name}_h.h ${idl}
    COMMAND ${ORLENTA_WIDL} -I${ORLENTA_WINE_IDL_DIR} -u -o ${gen}/${name}_i.c ${idl}
    COMMAND ${ORLENTA_WIDL} -I${ORLENTA_WINE_IDL_DIR} -L${ORLENTA_WINE_TLB_DIR} --win64 -t -o ${gen}/${name}.widl.tlb ${idl}
    COMMAND ${ORLENTA_PYTHON} ${amend} ${gen}/${name}.widl.tlb ${gen}/${name}.tlb ${amendments}
    DEPENDS ${idl} ${amend}
    COMMENT "Type library ${name}")
  add_custom_target(${name}_typelib DEPENDS ${gen}/${name}.tlb ${gen}/${name}_h.h)
endfunction()
