# Sourced: project_version prints the version the top-level CMakeLists.txt gives project(), e.g. 1.6.
project_version() {
    local v
    v=$(sed -nE 's/^project\([^ )]+ VERSION ([0-9][0-9.]*).*/\1/p' "${1:-.}/CMakeLists.txt")
    [ -n "$v" ] || { echo "no project version in ${1:-.}/CMakeLists.txt" >&2; return 1; }
    echo "$v"
}
