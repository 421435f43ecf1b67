#!/usr/bin/env bash
# The main job on a fresh demo installation: installs what is missing, builds
# the programs, creates the installation in demo-instalacion/ (sample data in
# company 001, part of it already in company 002), sends 001 to 002 online
# with the headless program, through the embedded engine, and then compares
# what was sent with company 002 (--verificar, which writes nothing).
#
#   NORVANE_DEMO_DOCUMENTOS  documents of each family in company 001 (12)
#   NORVANE_DEMO_SEMILLA     seed of the sample data (2024)
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$(pwd)
demo="$raiz/demo-instalacion"

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build

rm -rf "$demo"
./build/bin/norvane-demo "$demo" \
  --documentos "${NORVANE_DEMO_DOCUMENTOS:-12}" --semilla "${NORVANE_DEMO_SEMILLA:-2024}"
echo "Instalación de demostración en $demo"
echo

# The settings file of the installation says where it is; the embedded
# engine takes any password.
export XDG_CONFIG_DIRS="$demo"
export NORVANE_CLAVE_ORIGEN=masterkey
estado=0
./build/bin/norvane-envio-cli --servidor-origen "$demo" --usuario-origen SYSDBA \
  --compania-origen 001 --compania-destino 002 --en-linea || estado=$?
echo
case "$estado" in
  0) echo "norvane-envio-cli: todas las filas enviadas (estado 0)" ;;
  3) echo "norvane-envio-cli: algunas filas no se enviaron (estado 3), ver $demo/ERRORENVIO.TXT" ;;
  *) echo "norvane-envio-cli terminó con estado $estado" >&2
     exit "$estado" ;;
esac

echo
echo "Verificación de lo enviado (--verificar; se omiten las líneas \"igual\"):"
verificacion=0
informe=$(./build/bin/norvane-envio-cli --servidor-origen "$demo" --usuario-origen SYSDBA \
  --compania-origen 001 --compania-destino 002 --en-linea --verificar) || verificacion=$?
printf '%s\n' "$informe" | grep -v ' igual$' || true
case "$verificacion" in
  0) echo "norvane-envio-cli --verificar: todo lo enviado está igual en 002 (estado 0)" ;;
  4) echo "norvane-envio-cli --verificar: hay documentos diferentes o ausentes en 002 (estado 4)" >&2
     exit 4 ;;
  *) echo "norvane-envio-cli --verificar terminó con estado $verificacion" >&2
     exit "$verificacion" ;;
esac

cat <<EOF

Para ver el resultado con isql-fb (motor embebido, cualquier clave):
  isql-fb -user SYSDBA $demo/datos/002/norvane.fdb
    select PREF_PRE, FACT_NUMERO, FACT_FECHA, FACT_TOTAL from FACTURAS order by FACT_ID;
  isql-fb -user SYSDBA $demo/datos/001/norvane.fdb
    select AUDI_ENVIO, count(*) from AUDITORIA group by AUDI_ENVIO;
Bitácoras del envío: $demo/ENVIOMANUAL.TXT y $demo/ERRORENVIO.TXT
EOF
