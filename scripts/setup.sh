# Sourced by run.sh, test.sh and bench.sh so the three agree on what Rollkeep
# needs from Debian and on how the tree is built.

ROLLKEEP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

ROLLKEEP_PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev googletest libbenchmark-dev
    libhunspell-dev hunspell-en-us
    xdg-utils xvfb xauth fonts-dejavu-core
)

# What .ci/run adds: clang with its sanitizer and libFuzzer runtimes.
ROLLKEEP_SANITIZER_PACKAGES=(clang libclang-rt-14-dev)

# rollkeep_missing_packages [PACKAGE...]: of ROLLKEEP_PACKAGES, or of those given.
rollkeep_missing_packages() {
    local package
    for package in "${@:-${ROLLKEEP_PACKAGES[@]}}"; do
        if [[ $(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null) != ii* ]]; then
            echo "$package"
        fi
    done
}

# Asking dpkg is quick, so apt is left alone when everything is already there
# and repeated runs go straight to the build.
rollkeep_install_packages() {
    if ! command -v dpkg-query >/dev/null; then
        echo "setup: not a Debian system; make sure these are installed: ${ROLLKEEP_PACKAGES[*]}" >&2
        return 0
    fi
    local missing
    mapfile -t missing < <(rollkeep_missing_packages "$@")
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    if ((EUID != 0)); then
        echo "setup: these Debian packages are missing: ${missing[*]}" >&2
        echo "setup: install them as root with:" >&2
        echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update </dev/null
    apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
}

# rollkeep_configure FOLDER BUILD_TYPE [CMAKE_OPTION...]
rollkeep_configure() {
    local folder=$1 type=$2
    shift 2
    cmake -S "$ROLLKEEP_ROOT" -B "$ROLLKEEP_ROOT/$folder" -DCMAKE_BUILD_TYPE="$type" "$@"
}

# rollkeep_compile FOLDER [TARGET...]
rollkeep_compile() {
    local folder=$1
    shift
    cmake --build "$ROLLKEEP_ROOT/$folder" --parallel "$(nproc)" ${1:+--target "$@"}
}
