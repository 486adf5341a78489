# orlenta_type_library(NAME IDL) - runs widl over a control server's IDL
# file: NAME_h.h (the interfaces), NAME_i.c (their identifiers) and
# NAME.tlb (the type library that the server embeds as resource 1), all in
# the current binary folder; the target NAME_typelib builds them.
find_program(ORLENTA_WIDL NAMES x86_64-w64-mingw32-widl widl REQUIRED)
set(ORLENTA_WINE_IDL_DIR /usr/include/wine/wine/windows CACHE PATH "Wine's IDL files (libwine-dev)")
set(ORLENTA_WINE_TLB_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows CACHE PATH "Wine's stdole2.tlb (libwine-dev)")

function(orlenta_type_library name idl)
  set(gen ${CMAKE_CURRENT_BINARY_DIR})
  add_custom_command(
    OUTPUT ${gen}/${name}_h.h ${gen}/${name}_i.c ${gen}/${name}.tlb
    COMMAND ${ORLENTA_WIDL} -I${ORLENTA_WINE_IDL_DIR} -h -o ${gen}/${name}_h.h ${idl}
    COMMAND ${ORLENTA_WIDL} -I${ORLENTA_WINE_IDL_DIR} -u -o ${gen}/${name}_i.c ${idl}
    COMMAND ${ORLENTA_WIDL} -I${ORLENTA_WINE_IDL_DIR} -L${ORLENTA_WINE_TLB_DIR} --win64 -t -o ${gen}/${name}.tlb ${idl}
    DEPENDS ${idl}
    COMMENT "Type library ${name}")
  add_custom_target(${name}_typelib DEPENDS ${gen}/${name}.tlb ${gen}/${name}_h.h)
endfunction()
