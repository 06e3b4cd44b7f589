# Shared by scripts/run and scripts/test: installs the Debian packages the project
# needs when any is missing, and configures and builds one build directory.

ZORVAT_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  fonts-liberation qt6-translations-l10n
  poppler-utils
  libhunspell-dev hunspell-uk hunspell-en-us
)

ensure_packages() {
  local missing=()
  for p in "${ZORVAT_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Встановлюю пакети / installing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# build_project DIR BUILD_TYPE [cmake options...]
build_project() {
  local dir=$1 type=$2
  shift 2
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
