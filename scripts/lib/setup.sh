# Shared by scripts/run and scripts/test: installs the Debian packages the build needs when
# they are missing (apt-get update once, then one apt-get install), and configures and builds.

CHAINADJ_PACKAGES=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev libutfcpp-dev libgeographiclib-dev
  libboost-dev nlohmann-json3-dev
  libdxflib-dev libxlsxwriter-dev
  qt6-base-dev libgl-dev qt6-translations-l10n
  fonts-arphic-uming fonts-wqy-microhei
  librsvg2-bin
)

# The independent readers the tests read the exported DXF drawing and Excel workbook back with
# (Debian's /usr/bin/python3 and its modules; a test whose reader is missing is skipped).
CHAINADJ_TEST_PACKAGES=(python3 python3-ezdxf python3-openpyxl)

# The sanitizer build and the fuzz targets: clang with its sanitizer and libFuzzer runtimes.
CHAINADJ_SANITIZER_PACKAGES=(clang libclang-rt-14-dev)

# Building the Debian package (dpkg-shlibdeps) and checking the installed files.
CHAINADJ_PACKAGING_PACKAGES=(dpkg-dev file desktop-file-utils appstream man-db)

ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}" >&2
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

build_project() {
  local build_dir=$1
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build_dir" -j"$(nproc)"
}

# The core and its test suites built by clang with AddressSanitizer, UndefinedBehaviorSanitizer
# and the libFuzzer targets (no window, no benchmarks); the targets to build may be named.
build_sanitized() {
  local build_dir=$1
  shift
  local targets=()
  local target
  for target in "$@"; do targets+=(--target "$target"); done
  # Line tables only for the debug information: the sanitizers' reports still name file and line,
  # and the build takes a tenth to a fifth less.
  CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only -DNDEBUG" \
    -DCHAINADJ_SANITIZE=ON -DCHAINADJ_FUZZ=ON \
    -DCHAINADJ_BUILD_WINDOW=OFF -DCHAINADJ_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
}
