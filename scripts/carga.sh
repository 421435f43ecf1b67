#!/usr/bin/env bash
# A load run: a demo installation of about 50,000 audit rows across every
# family, sent once online through the embedded engine. Checks that the run
# completes, that the sent-rows log holds one line per row marked sent and
# that every selected row is either sent or logged as failed; prints the
# wall time and the peak memory. Not part of the test suite.
#
#   NORVANE_CARGA_DOCUMENTOS  documents of each family (1050: about 51,000 rows)
#   NORVANE_CARGA_DIR         where the installation is built (/tmp/norvane-carga)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
if ! command -v /usr/bin/time >/dev/null; then
  SUDO=(); [[ $(id -u) -ne 0 ]] && SUDO=(sudo -E)
  "${SUDO[@]}" apt-get update && DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y time
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build

dir=${NORVANE_CARGA_DIR:-/tmp/norvane-carga}
documentos=${NORVANE_CARGA_DOCUMENTOS:-1050}
rm -rf "$dir"
./build/bin/norvane-demo "$dir" --documentos "$documentos" >/dev/null

# One number from the origin company through isql-fb (embedded: any password).
contar() {
  printf 'set heading off;\n%s;\n' "$1" |
    isql-fb -q -user SYSDBA -password masterkey "$dir/datos/001/norvane.fdb" | tr -d ' \n'
}

antes=$(contar "select count(*) from AUDITORIA where AUDI_ENVIO = 'N'")
export XDG_CONFIG_DIRS="$dir" NORVANE_CLAVE_ORIGEN=masterkey
estado=0
/usr/bin/time -v -o "$dir/tiempo.txt" ./build/bin/norvane-envio-cli --servidor-origen "$dir" \
  --usuario-origen SYSDBA --compania-origen 001 --compania-destino 002 --en-linea \
  >"$dir/salida.txt" || estado=$?
cat "$dir/salida.txt"

enviadas=$(contar "select count(*) from AUDITORIA where AUDI_ENVIO = 'S'")
pendientes=$(contar "select count(*) from AUDITORIA where AUDI_ENVIO = 'N'")
lineas=$(grep -c $'\r$' "$dir/ENVIOMANUAL.TXT" || true)
fallidas=$(grep -c "Error transmitiendo" "$dir/ERRORENVIO.TXT" 2>/dev/null || true)
fallidas=${fallidas:-0}
pico=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$dir/tiempo.txt")
reloj=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$dir/tiempo.txt")

echo
echo "documentos por familia: $documentos"
echo "filas sin enviar antes:  $antes"
echo "marcadas enviadas:       $enviadas"
echo "sin enviar después:      $pendientes (fallidas en la bitácora: $fallidas)"
echo "líneas de ENVIOMANUAL:   $lineas"
echo "estado de salida:        $estado"
echo "tiempo:                  $reloj"
echo "memoria pico:            $((pico / 1024)) MiB"

fallo=0
[[ $estado -eq 0 || $estado -eq 3 ]] || { echo "the run did not complete" >&2; fallo=1; }
[[ $lineas -eq $enviadas ]] || { echo "log lines ($lineas) differ from rows marked sent ($enviadas)" >&2; fallo=1; }
[[ $((enviadas + pendientes)) -eq $antes ]] || { echo "rows lost: $antes before, $enviadas + $pendientes after" >&2; fallo=1; }
[[ $pendientes -eq $fallidas ]] || { echo "unsent rows ($pendientes) differ from failed rows ($fallidas)" >&2; fallo=1; }
exit "$fallo"
