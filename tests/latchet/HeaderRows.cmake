# Writes, for every row of the message-name table, a row of the value that
# the toolchain's headers give its name, guarded by #ifdef so that a name no
# header defines leaves no row:
#   cmake -DTABLE=latchet/Messages.cpp -DOUTPUT=HeaderRows.inc -P HeaderRows.cmake
file(STRINGS ${TABLE} lines REGEX "^ *\\{L\"[A-Za-z0-9_]+ *\", -?[0-9]+\\},")
set(out "// Made from the message-name table at build time.\n")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^ *\\{L\"([A-Za-z0-9_]+) *\".*$" "\\1" name "${line}")
  string(APPEND out "#ifdef ${name}\n    {L\"${name}\", static_cast<long>(${name})},\n#endif\n")
endforeach()
file(WRITE ${OUTPUT}.new "${out}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
