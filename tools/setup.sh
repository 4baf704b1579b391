# Shared by ./run and ./test: Debian packages the build needs, and the build itself.
PACKAGES=(g++ cmake ninja-build pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core fonts-liberation2 fonts-urw-base35)

# Installs what is missing of PACKAGES and of the packages named.
ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
  fi
}

# Configures a Release build in folder $1 with the CMake arguments that follow.
configure() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

# The build in build/ with the default compiler: everything, or the one target named.
configure_and_build() {
  configure build
  cmake --build build ${1:+--target "$1"} -j "$(nproc)"
}
