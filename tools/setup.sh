# Shared by run.sh, test.sh and .ci/run: installs the missing Debian packages,
# configures a build folder and builds in it.
# Sourced, not run: it reports failure through its return status.

jotwell_packages="cmake ninja-build g++ qt6-base-dev qt6-tools-dev libgl-dev fonts-urw-base35 fonts-dejavu-core desktop-file-utils appstream dpkg-dev file ccache qt6-l10n-tools qt6-translations-l10n"

jotwell_install_missing() {
    local missing=""
    for p in $jotwell_packages "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    local cmd="apt-get update && apt-get install -y$missing"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages:$missing"
        echo "Install them as root with: $cmd"
        return 1
    fi
    echo "Installing:$missing"
    DEBIAN_FRONTEND=noninteractive apt-get update -q && \
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q$missing
}

# jotwell_configure DIR [cmake options]: configures DIR once; later builds reuse it.
jotwell_configure() {
    local dir="$1"; shift
    [ -f "$dir/build.ninja" ] && return 0
    # ccache keeps a fresh clone or a second work tree from compiling unchanged files again;
    # paths relative to the tree's root let trees in other folders share its entries.
    cmake -S "$JOTWELL_ROOT" -B "$dir" -G Ninja \
        "-DCMAKE_CXX_COMPILER_LAUNCHER=env;CCACHE_BASEDIR=$JOTWELL_ROOT;CCACHE_NOHASHDIR=1;ccache" "$@"
}
