#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs
# each for a bounded time, starting from its seeds in fuzz/corpus/<target>/.
# Not part of the normal build nor of CI.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target, 60 by default; every target unless some are named.
# FUZZ_JOBS: parallel build jobs (1 by default).
# What a run finds (a crash, a broken property) is kept in
# build-fuzz/artifacts/<target>/; the inputs it learnt, in
# build-fuzz/corpus/<target>/ (the seeds in fuzz/corpus/ are left as they are).
set -euo pipefail
cd "$(dirname "$0")/.."

SEGUNDOS=${1:-60}
shift $(($# > 0 ? 1 : 0))
TARGETS=("$@")
((${#TARGETS[@]})) || TARGETS=(fuzz_servidores fuzz_partir_codigo fuzz_texto_sql fuzz_cola_clave)

# The project's own packages (Qt Core, the Firebird client, CMake, Ninja),
# then clang and its libFuzzer runtime when they are missing.
bash scripts/setup.sh
if ! command -v clang++ >/dev/null ||
   ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed"; then
  SUDO=()
  [[ $(id -u) -ne 0 ]] && SUDO=(sudo -E)
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update
  "${SUDO[@]}" apt-get install -y clang libclang-rt-14-dev
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DNORVANE_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j "${FUZZ_JOBS:-1}" --target "${TARGETS[@]}"

resumen=()
fallo=0
for t in "${TARGETS[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/artifacts/$t"
  registro="build-fuzz/$t.log"
  echo "== $t: ${SEGUNDOS}s"
  # The learnt corpus comes first: libFuzzer writes new inputs there only.
  if "build-fuzz/bin/$t" "build-fuzz/corpus/$t" "fuzz/corpus/$t" \
      -max_total_time="$SEGUNDOS" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/artifacts/$t/" >"$registro" 2>&1; then
    estado="nothing found"
  else
    estado="FOUND: see $registro and build-fuzz/artifacts/$t/"
    fallo=1
  fi
  ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro" | tail -1)
  por_segundo=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$registro" | tail -1)
  cobertura=$(grep -o 'cov: [0-9]*' "$registro" | tail -1 || true)
  resumen+=("$t: ${ejecuciones:-?} runs, ${por_segundo:-?} exec/s, ${cobertura:-cov: ?}, $estado")
done

echo
printf '%s\n' "${resumen[@]}"
exit "$fallo"
