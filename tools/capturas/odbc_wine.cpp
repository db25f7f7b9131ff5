// Wine's odbc32 forwards the narrow ODBC functions to the build machine's driver manager under
// their plain names only; the names with an "A", which Windows' own odbc32 exports too, abort
// the program there. Programs run under Wine reach the plain names through these.
// clang-format off
#include <windows.h>
#include <sql.h>
#include <sqlext.h>
// clang-format on

extern "C" {

SQLRETURN SQL_API SQLDriverConnectA(SQLHDBC conexion, SQLHWND ventana, SQLCHAR* cadena,
                                    SQLSMALLINT largo, SQLCHAR* salida, SQLSMALLINT cabe,
                                    SQLSMALLINT* escrito, SQLUSMALLINT completar) {
  return SQLDriverConnect(conexion, ventana, cadena, largo, salida, cabe, escrito, completar);
}

SQLRETURN SQL_API SQLExecDirectA(SQLHSTMT sentencia, SQLCHAR* sql, SQLINTEGER largo) {
  return SQLExecDirect(sentencia, sql, largo);
}

SQLRETURN SQL_API SQLGetDiagRecA(SQLSMALLINT tipo, SQLHANDLE handle, SQLSMALLINT registro,
                                 SQLCHAR* estado, SQLINTEGER* nativo, SQLCHAR* mensaje,
                                 SQLSMALLINT cabe, SQLSMALLINT* escrito) {
  return SQLGetDiagRec(tipo, handle, registro, estado, nativo, mensaje, cabe, escrito);
}

SQLRETURN SQL_API SQLGetInfoA(SQLHDBC conexion, SQLUSMALLINT tipo, SQLPOINTER valor,
                              SQLSMALLINT cabe, SQLSMALLINT* escrito) {
  return SQLGetInfo(conexion, tipo, valor, cabe, escrito);
}

SQLRETURN SQL_API SQLPrimaryKeysA(SQLHSTMT sentencia, SQLCHAR* catalogo, SQLSMALLINT largoCatalogo,
                                  SQLCHAR* esquema, SQLSMALLINT largoEsquema, SQLCHAR* tabla,
                                  SQLSMALLINT largoTabla) {
  return SQLPrimaryKeys(sentencia, catalogo, largoCatalogo, esquema, largoEsquema, tabla,
                        largoTabla);
}

}  // extern "C"
