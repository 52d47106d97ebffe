# Shared steps of the README's two commands. BUILD_ROOT lets several people
# build side by side in one checkout.
BUILD_ROOT=${BUILD_ROOT:-$PWD/build}
PACKAGES=(locales cmake ninja-build g++ libgtest-dev libgmock-dev googletest g++-mingw-w64-x86-64
          wine wine64 xvfb xauth x11-utils fonts-ipafont-gothic imagemagick wixl msitools
          osslsigncode openssl)

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  # Wine takes its Japanese locale (code page 932) from LC_ALL=ja_JP.UTF-8,
  # and the host's file name encoding from the same locale: without it,
  # Japanese file names cannot be created on the drives.
  if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  fi
}

build_native() {
  cmake -S . -B "$BUILD_ROOT/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD_ROOT/native"
}

# Builds the Windows tree, or only the given targets of it.
build_windows() {
  cmake -S . -B "$BUILD_ROOT/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DTAV_RELEASE_DIR="$BUILD_ROOT/release" >/dev/null
  cmake --build "$BUILD_ROOT/win" ${1:+--target "$@"}
}

# The release archive and installer, into $BUILD_ROOT/release.
build_release() {
  cmake --build "$BUILD_ROOT/win" --target release
}

run_wine_tests() {
  # A tree that was never configured has no tests to run: that is a failure,
  # not a pass.
  if [ ! -f "$BUILD_ROOT/win/CTestTestfile.cmake" ]; then
    echo "No Windows tree in $BUILD_ROOT/win: build it first (build_windows)." >&2
    return 1
  fi
  local rc=0
  xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$BUILD_ROOT/win" --output-on-failure "$@" || rc=$?
  to_png "$BUILD_ROOT/win/screenshots"
  echo "End-to-end screenshots: $BUILD_ROOT/win/screenshots"
  return $rc
}

# Screenshots are saved as BMP under Wine; turn them into PNG files.
to_png() {
  local f
  for f in "$1"/*.bmp; do
    [ -e "$f" ] || continue
    convert "$f" "${f%.bmp}.png" && rm -f "$f"
  done
}
