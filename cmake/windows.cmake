# The Windows build: the core, the Word add-in DLL and its tests, cross-built with MinGW-w64
# (cmake/mingw-w64-x86_64.cmake) and run under Wine. ICU and unixODBC give way to the system's
# own case mapping, collation and ODBC; the generators the build runs are built for the build
# machine.
include(ExternalProject)

# MinGW's GCC 12 at -O3 reports std::string copies as overlapping (-Wrestrict) where they are not.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN)

# nlohmann-json is header-only: its headers are taken from the build machine, alone, so that no
# other header of the build machine's /usr/include can reach the Windows compiler.
find_path(QUILLORA_NLOHMANN_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          NO_DEFAULT_PATH REQUIRED)
set(cabeceras_nlohmann ${PROJECT_BINARY_DIR}/cabeceras-nlohmann)
file(MAKE_DIRECTORY ${cabeceras_nlohmann})
file(CREATE_LINK ${QUILLORA_NLOHMANN_INCLUDE}/nlohmann ${cabeceras_nlohmann}/nlohmann SYMBOLIC)
add_library(nlohmann_json INTERFACE)
target_include_directories(nlohmann_json SYSTEM INTERFACE ${cabeceras_nlohmann})
add_library(nlohmann_json::nlohmann_json ALIAS nlohmann_json)

# A build of this tree for the build machine may lend its generators (CI's default build does);
# otherwise they get a small build of their own.
set(QUILLORA_HERRAMIENTAS_DE "" CACHE PATH
    "Build folder of this project for the build machine whose generators the build runs")
set(generadores generar_diccionario dibujar_botones claves_muestra)
if(QUILLORA_HERRAMIENTAS_DE)
  set(herramientas ${QUILLORA_HERRAMIENTAS_DE})
  add_custom_target(herramientas_host
    COMMAND ${CMAKE_COMMAND} --build ${herramientas} --target ${generadores}
    BYPRODUCTS ${herramientas}/tools/diccionario/generar_diccionario
               ${herramientas}/tools/botones/dibujar_botones
               ${herramientas}/tools/diccionario/claves_muestra
    COMMENT "Compilando los generadores en ${herramientas}"
    VERBATIM)
else()
  set(herramientas ${PROJECT_BINARY_DIR}/herramientas)
  ExternalProject_Add(herramientas_host
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${herramientas}
    CMAKE_ARGS -DQUILLORA_SOLO_HERRAMIENTAS=ON -DCMAKE_BUILD_TYPE=Release
               -DCMAKE_TOOLCHAIN_FILE= -DCMAKE_CXX_COMPILER=c++
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${herramientas} --target ${generadores}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${herramientas}/tools/diccionario/generar_diccionario
                     ${herramientas}/tools/botones/dibujar_botones
                     ${herramientas}/tools/diccionario/claves_muestra)
endif()
set(QUILLORA_GENERAR_DICCIONARIO ${herramientas}/tools/diccionario/generar_diccionario)
set(QUILLORA_GENERAR_DICCIONARIO_DEPENDE herramientas_host ${QUILLORA_GENERAR_DICCIONARIO})
set(QUILLORA_DIBUJAR_BOTONES ${herramientas}/tools/botones/dibujar_botones)
set(QUILLORA_DIBUJAR_BOTONES_DEPENDE herramientas_host ${QUILLORA_DIBUJAR_BOTONES})
set(QUILLORA_CLAVES_MUESTRA ${herramientas}/tools/diccionario/claves_muestra)

foreach(carpeta IN LISTS QUILLORA_NUCLEO)
  add_subdirectory(${carpeta})
endforeach()
add_subdirectory(tools/botones)
add_subdirectory(tools/capturas)
add_subdirectory(data/ayuda)

add_subdirectory(hosts/com)
add_subdirectory(hosts/win32)
add_subdirectory(apps/quillora-word)

if(QUILLORA_BUILD_TESTS)
  enable_testing()
  # Every test program runs under Wine in the build's own prefix; the last test stops the Wine
  # server that the prefix keeps running between programs.
  set(QUILLORA_WINEPREFIX ${PROJECT_BINARY_DIR}/wine/prefijo)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-ejecutar
                                    ${QUILLORA_WINEPREFIX})
  add_test(NAME ParadaDeWine COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${QUILLORA_WINEPREFIX}
                                     wineserver -k)
  set_tests_properties(ParadaDeWine PROPERTIES FIXTURES_CLEANUP wine)
  # GoogleTest from Debian's sources, built for Windows.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)

  # quillora_test(NAME SOURCES ... LIBS ... [RESOURCE_LOCK NAME]): a test program run under Wine,
  # its cases registered with CTest one by one when the tests run; cases holding one lock never
  # run at the same time.
  function(quillora_test nombre)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "RESOURCE_LOCK" "SOURCES;LIBS")
    set(bloqueo)
    if(ARG_RESOURCE_LOCK)
      set(bloqueo RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
    endif()
    add_executable(${nombre} ${ARG_SOURCES})
    target_link_libraries(${nombre} PRIVATE ${ARG_LIBS} gtest gtest_main)
    target_include_directories(${nombre} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    # The build machine's ODBC driver manager, reached through Wine, reads no account settings.
    gtest_discover_tests(${nombre} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 300
                         PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT ODBCINI=/dev/null ${bloqueo})
  endfunction()

  add_subdirectory(tests/windows)
  add_subdirectory(tests/com)
  add_subdirectory(tests/win32)
  add_subdirectory(tests/quillora-word)
endif()
