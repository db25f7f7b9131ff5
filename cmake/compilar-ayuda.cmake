# cmake -DCHMCMD=chmcmd -DICONV=iconv -DARCHIVOS="Ayuda.hhp;a.html;b.bmp;..." -DTRABAJO=dir
#       -DSALIDA=Ayuda.chm -P compilar-ayuda.cmake
# Compiles the help into a CHM with chmcmd. HTML Help reads pages, contents and index in the code
# page of the help's language (Windows-1252 for Spanish) and chmcmd copies titles and names byte
# for byte, so the UTF-8 sources are converted first and their pages declared as Windows-1252.
file(REMOVE_RECURSE "${TRABAJO}")
file(MAKE_DIRECTORY "${TRABAJO}")
set(proyecto "")
foreach(archivo IN LISTS ARCHIVOS)
  get_filename_component(nombre "${archivo}" NAME)
  if(NOT nombre MATCHES "\\.(html|css|hhp|hhc|hhk)$")
    file(COPY "${archivo}" DESTINATION "${TRABAJO}")
    continue()
  endif()
  if(nombre MATCHES "\\.hhp$")
    set(proyecto "${nombre}")
  endif()
  file(READ "${archivo}" texto)
  if(nombre MATCHES "\\.html$")
    string(FIND "${texto}" "<meta charset=\"utf-8\">" posicion)
    if(posicion EQUAL -1)
      message(FATAL_ERROR "${archivo} no declara <meta charset=\"utf-8\">")
    endif()
    string(REPLACE "<meta charset=\"utf-8\">" "<meta charset=\"windows-1252\">" texto "${texto}")
  endif()
  file(WRITE "${TRABAJO}/${nombre}.utf-8" "${texto}")
  execute_process(
    COMMAND "${ICONV}" -f UTF-8 -t WINDOWS-1252 "${TRABAJO}/${nombre}.utf-8"
    OUTPUT_FILE "${TRABAJO}/${nombre}"
    RESULT_VARIABLE resultado)
  if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "${archivo} tiene caracteres que no existen en Windows-1252")
  endif()
  file(REMOVE "${TRABAJO}/${nombre}.utf-8")
endforeach()
if(proyecto STREQUAL "")
  message(FATAL_ERROR "Falta el proyecto .hhp entre los archivos de la ayuda")
endif()

execute_process(
  COMMAND "${CHMCMD}" "${proyecto}"
  WORKING_DIRECTORY "${TRABAJO}"
  RESULT_VARIABLE resultado
  OUTPUT_VARIABLE mensajes
  ERROR_VARIABLE mensajes)
get_filename_component(compilado "${SALIDA}" NAME)
set(firma "")
if(EXISTS "${TRABAJO}/${compilado}")
  file(READ "${TRABAJO}/${compilado}" firma LIMIT 4 HEX)
endif()
if(NOT resultado EQUAL 0 OR NOT firma STREQUAL "49545346" OR mensajes MATCHES "[Ee]rror|[Ww]arning")
  message(FATAL_ERROR "chmcmd no ha compilado la ayuda:\n${mensajes}")
endif()
file(COPY_FILE "${TRABAJO}/${compilado}" "${SALIDA}")
