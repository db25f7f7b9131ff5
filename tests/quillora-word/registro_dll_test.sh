#!/usr/bin/env bash
# registro_dll_test.sh WINE_EJECUTAR PREFIJO DLL
# Registers the add-in's DLL with regsvr32 in the Wine prefix, checks every key and value it
# writes, unregisters it and checks that they are gone while another add-in's key stays.
set -euo pipefail

ejecutar=$1
prefijo=$2
dll=$3

clsid='{E5D523EB-D4E2-4A62-A127-978920DBB0BB}'
libid='{234952A3-0AC3-4014-9DD8-207CD758F5CE}'
iid_connect='{5C6A9430-BB10-4BA8-96ED-B380741D7D33}'
iid_extensibilidad='{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}'
clase="HKCU\\Software\\Classes\\CLSID\\$clsid"
progid='HKCU\Software\Classes\Quillora.Connect'
biblioteca="HKCR\\TypeLib\\$libid"
complementos='HKCU\Software\Microsoft\Office\Word\Addins'

fallos=0

# Every Wine program is bounded in time.
wine_() { QUILLORA_WINE_SEGUNDOS=120 timeout 150 "$ejecutar" "$prefijo" "$@" </dev/null; }

# The line of `reg query` for a value, without the carriage return; nothing when it is missing.
valor() {
  local clave=$1 nombre=$2
  local opcion=(/v "$nombre")
  if [ "$nombre" = '(Default)' ]; then opcion=(/ve); fi
  wine_ reg query "$clave" "${opcion[@]}" 2>/dev/null | tr -d '\r' | grep -F "    $nombre    " || true
}

esperar_valor() {
  local clave=$1 nombre=$2 tipo=$3 esperado=$4
  local linea
  linea=$(valor "$clave" "$nombre")
  if [ "$linea" != "    $nombre    $tipo    $esperado" ]; then
    echo "FALLO: $clave [$nombre] debía ser $tipo «$esperado»; es «$linea»"
    fallos=$((fallos + 1))
  fi
}

esperar_clave() {
  local clave=$1 existe=$2
  if wine_ reg query "$clave" >/dev/null 2>&1; then local hay=si; else local hay=no; fi
  if [ "$hay" != "$existe" ]; then
    echo "FALLO: la clave $clave debía existir: $existe"
    fallos=$((fallos + 1))
  fi
}

ruta=$(wine_ winepath -w "$dll" | tr -d '\r')

# Another add-in's key, which unregistering must leave alone.
wine_ reg add "$complementos\\Otro.Complemento" /v FriendlyName /d Otro /f >/dev/null

wine_ regsvr32 /s "$dll" || { echo "FALLO: regsvr32 no registró $ruta"; exit 1; }

esperar_valor "$clase" '(Default)' REG_SZ Quillora.Connect
esperar_valor "$clase\\InprocServer32" '(Default)' REG_SZ "$ruta"
esperar_valor "$clase\\InprocServer32" ThreadingModel REG_SZ Apartment
esperar_valor "$clase\\ProgID" '(Default)' REG_SZ Quillora.Connect
esperar_valor "$progid" '(Default)' REG_SZ Quillora.Connect
esperar_valor "$progid\\CLSID" '(Default)' REG_SZ "$clsid"
esperar_valor "$biblioteca\\1.0" '(Default)' REG_SZ 'Complemento Word de Quillora'
esperar_valor "$biblioteca\\1.0\\0\\win64" '(Default)' REG_SZ "$ruta"
esperar_valor "HKCR\\Interface\\$iid_connect\\TypeLib" '(Default)' REG_SZ "$libid"
esperar_valor "$complementos\\Quillora.Connect" FriendlyName REG_SZ Quillora
esperar_valor "$complementos\\Quillora.Connect" Description REG_SZ \
  'Complemento MS Word para Quillora'
esperar_valor "$complementos\\Quillora.Connect" LoadBehavior REG_DWORD 0x3
# Office's own interface is Office's to register.
esperar_clave "HKCR\\Interface\\$iid_extensibilidad" no

wine_ regsvr32 /u /s "$dll" || { echo "FALLO: regsvr32 /u no quitó el registro"; exit 1; }

esperar_clave "$clase" no
esperar_clave "$progid" no
esperar_clave "$biblioteca" no
esperar_clave "HKCR\\Interface\\$iid_connect" no
esperar_clave "$complementos\\Quillora.Connect" no
esperar_valor "$complementos\\Otro.Complemento" FriendlyName REG_SZ Otro

# Unregistering what is not registered is no error.
wine_ regsvr32 /u /s "$dll" || { echo "FALLO: un segundo regsvr32 /u falló"; fallos=$((fallos + 1)); }

wine_ reg delete "$complementos\\Otro.Complemento" /f >/dev/null

if [ "$fallos" -ne 0 ]; then
  echo "$fallos comprobaciones fallidas"
  exit 1
fi
echo "Registro y baja de quillora-word.dll correctos"
