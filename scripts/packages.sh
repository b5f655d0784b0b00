# Installs the Debian packages named as arguments when any of them is missing.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]} ..."
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building each program needs: the Linux one (with its tests) and the Windows cross-build.
linux_build_packages=(cmake make g++ libgtest-dev qt6-base-dev qt6-multimedia-dev zlib1g-dev)
windows_build_packages=(googletest g++-mingw-w64-x86-64 libz-mingw-w64-dev)
