# Shared set-up of ./run and ./test: installs the Debian packages a command
# needs when they are missing, then configures and builds a tree.
# Sourced, not run.

# The build and the programs: compiler, CMake, Qt, the fonts the forms map
# to and Qt's Japanese translation.
BUILD_PACKAGES="cmake g++ make qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n"
# What ./test adds: GoogleTest and gmock, and pdftotext/pdftoppm for the
# tests that render a print to PDF. (Qt Test comes with qt6-base-dev.)
TEST_PACKAGES="googletest libgtest-dev libgmock-dev poppler-utils"
# Only for ./test --sanitize (clang with its sanitizer and libFuzzer runtimes).
SANITIZE_PACKAGES="clang libclang-rt-dev"
# Only for the benchmarks.
BENCH_PACKAGES="libbenchmark-dev"

# ensure_packages [extra packages...]: the build packages and the extras.
ensure_packages() {
    local missing=()
    for p in $BUILD_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q || return 1
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" || return 1
}

# build_tree DIR [cmake options...]
# WARNINGS_AS_ERRORS=ON in the environment makes every compiler warning an
# error (.ci/run sets it); the tree follows the environment on every run.
build_tree() {
    local dir="$1"; shift
    cmake -S "$TOP" -B "$TOP/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DWARNINGS_AS_ERRORS="${WARNINGS_AS_ERRORS:-OFF}" "$@" >/dev/null || return 1
    cmake --build "$TOP/$dir" -j "$(nproc)"
}
