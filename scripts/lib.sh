# Shared by scripts/run and scripts/test: installs the Debian packages the project
# needs when any is missing, and configures and builds one build directory.

ZORVAT_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev libqt6sql6-sqlite
  fonts-liberation qt6-translations-l10n
  poppler-utils
  libhunspell-dev hunspell-uk hunspell-en-us
  shared-mime-info libglib2.0-bin
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

# The options scripts/run and scripts/test configure the default build folder with: the
# same in both, so that either builds only what the other has not built yet.
ZORVAT_BUILD_OPTIONS=(-DZORVAT_WERROR=ON)

# build_project DIR BUILD_TYPE [cmake options...]: configures and builds everything.
# With ZORVAT_TARGETS set (targets separated by blanks), builds only those.
build_project() {
  local dir=$1 type=$2
  shift 2
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
  local targets=()
  for t in ${ZORVAT_TARGETS:-}; do
    targets+=(--target "$t")
  done
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
