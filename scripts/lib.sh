# Shared by the scripts: installing what is missing and building.

project_root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$project_root/build"

# Debian packages the build, the tests and the demo need. lighttpd is the real web server the
# picture stream is tested against; its package brings the auth and CGI modules. Xvfb is the X
# server of the tests that need a real display connection, and of the start-up benchmark.
required_packages="cmake ninja-build g++ pkg-config qt6-base-dev zlib1g-dev libturbojpeg0-dev
    libpugixml-dev nlohmann-json3-dev libgtest-dev iproute2 util-linux fonts-noto-core
    fonts-noto-ui-core fonts-noto-cjk fonts-liberation lighttpd xvfb"

# What the packaging tests use besides: cpack's Debian generator and the tools that judge the
# package it builds.
packaging_packages="dpkg-dev file lintian appstream desktop-file-utils man-db"

install_missing_packages() {
    missing=""
    for package in $required_packages "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing" >&2
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo_cmd apt-get update -qq
    # shellcheck disable=SC2086
    $sudo_cmd apt-get install -y -qq --no-install-recommends $missing >/dev/null
    case " $missing " in
    *" lighttpd "*)
        # The tests start their own lighttpd in a private namespace; the package's system
        # service would only listen on the machine's port 80.
        { $sudo_cmd systemctl disable --now lighttpd || $sudo_cmd service lighttpd stop; } \
            >/dev/null 2>&1 || true ;;
    esac
}

# One build tree serves the tests and the demo: RelWithDebInfo with AddressSanitizer and
# UndefinedBehaviorSanitizer.
build_project() {
    cmake -S "$project_root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVISTREL_SANITIZE=ON >/dev/null
    cmake --build "$build_dir"
}

# The toolkit-free libraries and their tests alone, without Qt and without sanitizers, in a
# build tree of their own; the tests run inside a private network namespace.
build_and_test_core() {
    core_dir="$project_root/build-core"
    cmake -S "$project_root" -B "$core_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVISTREL_GUI=OFF >/dev/null
    cmake --build "$core_dir"
    (cd "$core_dir" && "$project_root/scripts/netns" ctest --output-on-failure --timeout 120)
}
