# Sourced by bench/run.sh and bench/soak.sh: builds tovrix.exe with the
# windows-x64 preset, then the floor, the probe and the soak driver (the
# project in bench/, same toolchain) into build/bench.
vistrel_bench_build() {
  bash tools/setup.sh
  cmake --preset windows-x64 >/dev/null
  cmake --build --preset windows-x64 --target tovrix
  cmake -S bench -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build build/bench
}

# A Wine prefix of the benchmark's own: other Wine runs on this machine end
# their wineserver with `wineserver -k`, which would end ours with it.
export VISTREL_WINEPREFIX="${VISTREL_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vistrel/bench64}"
