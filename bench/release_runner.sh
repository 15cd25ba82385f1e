# Sourced by the runner benchmarks, from the top of the source tree: sets runner to the
# kwarcyt-run given as the first argument, or builds a release one for the measurement.
runner=${1:-}
if [ -z "$runner" ]; then
  build_dir=${KWARCYT_BUILD_DIR:-build-release}
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKWARCYT_BUILD_TESTS=OFF \
        -DKWARCYT_BUILD_BENCH=OFF -DKWARCYT_BUILD_GUI=OFF > /dev/null
  cmake --build "$build_dir" --target kwarcyt-run > /dev/null
  runner=$build_dir/cli/kwarcyt-run
fi
