# cmake -DENTRADA=file -DSALIDA=file.cpp -DSIMBOLO=name -P incrustar.cmake
# Writes a C++ source holding the file's bytes as `extern "C" const char SIMBOLO[]` (with a final
# NUL that the length SIMBOLOLongitud does not count).
file(READ "${ENTRADA}" contenido HEX)
string(LENGTH "${contenido}" digitos)
math(EXPR longitud "${digitos} / 2")
# Every byte as a "\xNN" escape, eight to a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" bytes "${contenido}")
string(REGEX REPLACE "((\\\\x..)(\\\\x..)(\\\\x..)(\\\\x..)(\\\\x..)(\\\\x..)(\\\\x..)(\\\\x..))" "\\1\"\n\"" bytes "${bytes}")
file(WRITE "${SALIDA}.tmp"
  "#include <cstddef>\n"
  "extern \"C\" const char ${SIMBOLO}[] =\n\"${bytes}\";\n"
  "extern \"C\" const std::size_t ${SIMBOLO}Longitud = ${longitud};\n")
file(RENAME "${SALIDA}.tmp" "${SALIDA}")
