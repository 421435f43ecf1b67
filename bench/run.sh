#!/usr/bin/env bash
# Benchmark of the headless program against the floor of its database work.
#
# For each size (documents per family of the demo builder) it builds one demo
# installation, then for each kind of run (online embedded, offline
# embedded, online through the local server) and each setting of forced
# writes (as the databases come, on, only at the sizes of FW_ON; off at
# every size) it measures, on a fresh copy of the installation each time:
#   - the run of norvane-envio-cli (wall time, peak memory);
#   - the floor: norvane-reproducir over the run's trace (--traza), the same
#     statements in the same transactions, prepared once per text, the same
#     rows fetched; its time less the time it spent reading the trace file;
#   - the bulk copy: the run's committed destination writes in one
#     transaction (norvane-reproducir --masiva), timed the same way.
# Several runs each; the table gives medians and the spread (min-max).
#
# Environment (all optional):
#   TAMANOS="500 2000 10000"  sizes
#   CORRIDAS=3                runs of each measure
#   CORRIDAS_GRANDE=1         runs at the sizes of GRANDES
#   GRANDES="10000"
#   SOLO_CORRIDA=""           sizes where only the run is measured (no trace,
#                             floor or bulk copy: time, memory, linearity)
#   FW_ON="500 2000"          sizes also measured with forced writes on
#   SOLO_FW=on|off            only that setting of forced writes
#   MODOS="linea fuera servidor"
#   BUILD=build-rel           build directory (RelWithDebInfo)
#   CLI_ANTES=path            a second norvane-envio-cli measured in the same
#                             run over the same copies ("antes" rows)
#   TRABAJO=/tmp/norvane-bench-run   scratch directory
#   SALIDA=docs               where bench.csv and bench.png go
#   SOLO_TABLA=1              only the table and the plot, from the figures
#                             already in $TRABAJO/crudo.csv
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
TAMANOS=${TAMANOS:-"500 2000 10000"}
CORRIDAS=${CORRIDAS:-3}
CORRIDAS_GRANDE=${CORRIDAS_GRANDE:-1}
GRANDES=${GRANDES:-"10000"}
SOLO_CORRIDA=${SOLO_CORRIDA-}
FW_ON=${FW_ON-"500 2000"}
MODOS=${MODOS:-"linea fuera servidor"}
BUILD=${BUILD:-$raiz/build-rel}
TRABAJO=${TRABAJO:-/tmp/norvane-bench-run}
SALIDA=${SALIDA:-$raiz/docs}
CLI_ANTES=${CLI_ANTES-}

if ! command -v gnuplot >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y gnuplot-nox >/dev/null
fi

if [[ ! -f $BUILD/build.ninja ]]; then
  cmake -S "$raiz" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
fi
cmake --build "$BUILD" -j1 --target norvane-envio-cli norvane-demo norvane-reproducir >/dev/null
CLI=$BUILD/bin/norvane-envio-cli
DEMO=$BUILD/bin/norvane-demo
REPRO=$BUILD/bin/norvane-reproducir

case " $MODOS " in *" servidor "*)
  eval "$(bash "$raiz/scripts/firebird-server.sh")" ;;
esac
USUARIO=${NORVANE_TEST_USUARIO:-NORVANE}
CLAVE=${NORVANE_TEST_CLAVE:-norvane2024}
export NORVANE_CLAVE_ORIGEN=$CLAVE NORVANE_CLAVE_DESTINO=$CLAVE NORVANE_CLAVE=$CLAVE

crudo=$TRABAJO/crudo.csv
mediana() { sort -g | awk '{v[NR]=$1} END {if (NR == 0) exit; if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
if [[ -z ${SOLO_TABLA-} ]]; then
rm -rf "$TRABAJO"
mkdir -p "$TRABAJO" "$SALIDA"
chmod 777 "$TRABAJO"
echo "documentos,modo,escrituras_forzadas,version,medida,corrida,segundos,memoria_kb,filas_auditoria,filas_destino" >"$crudo"


# Puts a fresh copy of the installation in $inst.
restaurar() {
  rm -rf "$inst"
  cp -a "$plantilla" "$inst"
  chmod -R a+rwX "$inst"
  # The settings name the copy's own directory: the logs and the offline
  # transfer file belong to it.
  printf '[General]\nDirectorio=%s\n' "$inst" >"$inst/Lumo/NorvaneERP2024.conf"
}

# The headless program over $inst; appends one line to the raw figures.
# $1 the program, $2 version label, $3 run number, $4 trace file or "".
correr() {
  local programa=$1 version=$2 corrida=$3 traza=$4 prefijo=$inst extra=()
  [[ $modo == servidor ]] && prefijo="localhost:$inst"
  [[ $modo != fuera ]] && extra+=(--en-linea)
  [[ -n $traza ]] && extra+=(--traza "$traza")
  restaurar
  XDG_CONFIG_DIRS=$inst /usr/bin/time -f "%e %M" -o "$TRABAJO/tiempo" \
    "$programa" --servidor-origen "$prefijo" --usuario-origen "$USUARIO" \
    --compania-origen 001 --compania-destino 002 "${extra[@]}" >"$TRABAJO/salida" 2>"$TRABAJO/errores" || {
      local s=$?
      [[ $s == 3 ]] || { echo "the run failed ($s):" >&2; cat "$TRABAJO/errores" >&2; exit 1; }
    }
  auditoria=$(awk '/seleccionadas/ {print $2}' "$TRABAJO/salida")
  read -r seg mem <"$TRABAJO/tiempo"
  [[ -n $traza ]] && return 0  # the traced run only gives the trace
  echo "$n,$modo,$fw,$version,corrida,$corrida,$seg,$mem,$auditoria," >>"$crudo"
}

# A replay of $traza over a fresh copy; $1 "piso" or "masiva".
reproducir() {
  local medida=$1 corrida=$2 args=()
  [[ $medida == masiva ]] && args+=(--masiva)
  restaurar
  # Offline the run starts from a fresh transfer file; so does its replay.
  [[ $modo == fuera ]] && cp "$inst/sop/envio.fdb" "$inst/datos/002/envio.fdb"
  /usr/bin/time -f "%e %M" -o "$TRABAJO/tiempo" \
    "$REPRO" "$traza" --destino "$destino" "${args[@]}" >"$TRABAJO/salida"
  read -r seg mem <"$TRABAJO/tiempo"
  local lectura filas div
  lectura=$(sed -n 's/.*segundos_lectura=\([0-9.]*\).*/\1/p' "$TRABAJO/salida")
  filas=$(sed -n 's/.*filas_destino=\([0-9]*\).*/\1/p' "$TRABAJO/salida")
  div=$(sed -n 's/.*divergencias=\([0-9]*\).*/\1/p' "$TRABAJO/salida")
  [[ $div == 0 ]] || echo "warning: $div calls of the replay differed from the trace ($n $modo $fw $medida)" >&2
  seg=$(awk -v a="$seg" -v b="$lectura" 'BEGIN {printf "%.3f", a - b}')
  echo "$n,$modo,$fw,despues,$medida,$corrida,$seg,$mem,$auditoria,$filas" >>"$crudo"
}

for n in $TAMANOS; do
  corridas=$CORRIDAS
  for g in $GRANDES; do [[ $n == "$g" ]] && corridas=$CORRIDAS_GRANDE; done
  piso=1
  [[ " $SOLO_CORRIDA " == *" $n "* ]] && piso=
  base=$TRABAJO/$n
  mkdir -p "$base"
  "$DEMO" "$base/demo" --usuario "$USUARIO" --documentos "$n" >/dev/null
  ajustes=(on off)
  [[ " $FW_ON " == *" $n "* ]] || ajustes=(off)
  [[ -n ${SOLO_FW-} ]] && ajustes=("$SOLO_FW")
  for fw in "${ajustes[@]}"; do
    plantilla=$base/plantilla-$fw
    rm -rf "$plantilla"
    cp -a "$base/demo" "$plantilla"
    if [[ $fw == off ]]; then
      find "$plantilla" -name '*.fdb' -print0 | xargs -0 -n1 gfix -user "$USUARIO" -write async
    fi
    inst=$base/trabajo
    for modo in $MODOS; do
      echo "== $n documents, $modo, forced writes $fw" >&2
      destino=$inst/datos/002/norvane.fdb
      [[ $modo == fuera ]] && destino=$inst/datos/002/envio.fdb
      [[ $modo == servidor ]] && destino=localhost:$destino
      traza=$base/traza-$fw-$modo.txt
      [[ -n $piso ]] && correr "$CLI" despues 0 "$traza"
      for r in $(seq 1 "$corridas"); do
        correr "$CLI" despues "$r" ""
        [[ -n $CLI_ANTES ]] && correr "$CLI_ANTES" antes "$r" ""
        [[ -n $piso ]] || continue
        reproducir piso "$r"
        reproducir masiva "$r"
      done
      rm -f "$traza"
    done
  done
  rm -rf "$base"
done
fi

# The table: medians per size, kind of run, forced writes and version.
tabla=$SALIDA/bench.csv
echo "documentos,modo,escrituras_forzadas,version,filas_auditoria,filas_destino,segundos,dispersion_s,auditoria_por_s,destino_por_s,memoria_mb,corrida_sobre_piso,corrida_sobre_masiva" >"$tabla"
campo() { awk -F, -v n="$1" -v m="$2" -v f="$3" -v v="$4" -v me="$5" -v c="$6" \
  '$1==n && $2==m && $3==f && $4==v && $5==me {print $c}' "$crudo"; }
for n in $TAMANOS; do
  for fw in on off; do
    for modo in $MODOS; do
      piso=$(campo "$n" "$modo" "$fw" despues piso 7 | mediana)
      masiva=$(campo "$n" "$modo" "$fw" despues masiva 7 | mediana)
      destino=$(campo "$n" "$modo" "$fw" despues piso 10 | head -1)
      for version in antes despues; do
        seg=$(campo "$n" "$modo" "$fw" "$version" corrida 7 | mediana)
        [[ -n $seg ]] || continue
        min=$(campo "$n" "$modo" "$fw" "$version" corrida 7 | sort -g | head -1)
        max=$(campo "$n" "$modo" "$fw" "$version" corrida 7 | sort -g | tail -1)
        mem=$(campo "$n" "$modo" "$fw" "$version" corrida 8 | mediana)
        aud=$(campo "$n" "$modo" "$fw" "$version" corrida 9 | head -1)
        awk -v n="$n" -v m="$modo" -v f="$fw" -v v="$version" -v a="$aud" -v d="$destino" \
          -v s="$seg" -v lo="$min" -v hi="$max" -v mem="$mem" -v p="$piso" -v b="$masiva" 'BEGIN {
            # Without a floor (only the run measured) the destination rows and
            # the ratios stay empty.
            printf "%s,%s,%s,%s,%d,%s,%.2f,%.2f-%.2f,%.0f,%s,%.1f,%s,%s\n",
              n, m, f, v, a, d, s, lo, hi, a / s, d == "" ? "" : sprintf("%.0f", d / s),
              mem / 1024, p == "" ? "" : sprintf("%.3f", s / p),
              b == "" ? "" : sprintf("%.3f", s / b) }' >>"$tabla"
      done
    done
  done
done
cp "$crudo" "$SALIDA/bench-corridas.csv"

column -s, -t "$tabla"

# Time and memory against size, forced writes off, the current version.
awk -F, 'NR > 1 && $3 == "off" && $4 == "despues" {print $2, $5, $7, $11}' "$tabla" >"$TRABAJO/plot.dat"
gnuplot <<GP
set terminal pngcairo size 1100,480 font ",10"
set output "$SALIDA/bench.png"
set datafile separator " "
set multiplot layout 1,2 title "norvane-envio-cli, demo installations, forced writes off"
set xlabel "audit rows"
set ylabel "wall time (s)"
set key left top
set grid
set yrange [0:*]
set format x "%.0s%c"
plot for [m in "linea fuera servidor"] "< grep '^".m." ' $TRABAJO/plot.dat" using 2:3 with linespoints title m
set ylabel "peak memory (MB)"
set key right bottom
plot for [m in "linea fuera servidor"] "< grep '^".m." ' $TRABAJO/plot.dat" using 2:4 with linespoints title m
unset multiplot
GP
echo "wrote $tabla, $SALIDA/bench-corridas.csv and $SALIDA/bench.png" >&2
