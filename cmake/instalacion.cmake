# cmake --install: the installation folder ${CMAKE_INSTALL_DATADIR}/quillora with the button
# pictures and the help, and the settings file that tells the programs where that folder is.
include(GNUInstallDirs)

set(QUILLORA_CARPETA ${CMAKE_INSTALL_DATADIR}/quillora)
install(TARGETS quillora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUILLORA_BOTONES} ${QUILLORA_AYUDA_CHM} DESTINATION ${QUILLORA_CARPETA})
install(FILES ${QUILLORA_AYUDA_HTML} DESTINATION ${QUILLORA_CARPETA}/ayuda)

# The settings file is written when installing, as it names the folder by the prefix given then
# (cmake --install --prefix); DESTDIR only moves where it is written.
install(CODE "set(quillora_carpeta [==[${QUILLORA_CARPETA}]==])
set(quillora_etc [==[${CMAKE_INSTALL_SYSCONFDIR}]==])")
install(CODE [[
  if(IS_ABSOLUTE "${quillora_carpeta}")
    set(carpeta "${quillora_carpeta}")
  else()
    set(carpeta "${CMAKE_INSTALL_PREFIX}/${quillora_carpeta}")
  endif()
  cmake_path(ABSOLUTE_PATH carpeta NORMALIZE)

  # Where GNUInstallDirs puts the configuration of the system's own prefixes.
  if(IS_ABSOLUTE "${quillora_etc}")
    set(etc "${quillora_etc}")
  elseif(CMAKE_INSTALL_PREFIX MATCHES "^/(usr/?)?$")
    set(etc "/${quillora_etc}")
  elseif(CMAKE_INSTALL_PREFIX MATCHES "^/opt/(.+)$")
    set(etc "/${quillora_etc}/opt/${CMAKE_MATCH_1}")
  else()
    set(etc "${CMAKE_INSTALL_PREFIX}/${quillora_etc}")
  endif()
  set(registro "${etc}/quillora/quillora.reg")
  cmake_path(ABSOLUTE_PATH registro NORMALIZE)

  string(REPLACE "\\" "\\\\" valor "${carpeta}")
  string(REPLACE "\"" "\\\"" valor "${valor}")
  # An existing file may hold the administrator's own address: it is kept, never overwritten.
  set(linea_path "\"Path\"=\"${valor}\"")
  if(EXISTS "$ENV{DESTDIR}${registro}")
    file(READ "$ENV{DESTDIR}${registro}" actual)
    string(FIND "${actual}" "${linea_path}" encontrada)
    if(encontrada EQUAL -1)
      message(NOTICE
        "Se conserva la configuración existente ${registro}; para que Quillora use esta "
        "instalación, su valor \"Path\" debe ser:\n  ${linea_path}")
    endif()
  else()
    message(STATUS "Installing: $ENV{DESTDIR}${registro}")
    file(WRITE "$ENV{DESTDIR}${registro}"
      "Windows Registry Editor Version 5.00\n"
      "\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Brenmoor\\Quillora]\n"
      "${linea_path}\n"
      "\"EmailTo\"=\"sugerencias@brenmoor.es\"\n")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${registro}")
  endif()

  if(NOT registro STREQUAL "/etc/quillora/quillora.reg")
    string(REPLACE "'" "'\\''" comillas "${registro}")
    message(NOTICE
      "Quillora busca su configuración en /etc/quillora/quillora.reg o en el archivo que indique "
      "la variable de entorno QUILLORA_REGISTRO. Esta instalación la ha escrito en\n"
      "  ${registro}\n"
      "Para usarla, defina la variable antes de ejecutar el programa:\n"
      "  export QUILLORA_REGISTRO='${comillas}'\n"
      "o copie el archivo a /etc/quillora/quillora.reg.")
  endif()
]])
