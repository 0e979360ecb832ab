# Installs the Debian packages named as arguments when any is missing;
# arguments starting with -- are options for apt-get install.
# Sourced by ./play, ./check and ./package, from the top of the project.
ensure_packages() {
  local missing=() options=()
  for package in "$@"; do
    [[ $package == --* ]] && { options+=("$package"); continue; }
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing the Debian packages this needs: ${missing[*]} ..." >&2
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  mkdir -p build
  local log=build/apt-get.log
  if ! { "${sudo[@]}" apt-get update -q || true
         "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${options[@]}" "${missing[@]}"; } 2>&1 |
       tools/show-progress.sh "$log" '^(Get:[0-9]|Unpacking|Setting up) ' >&2; then
    echo "apt-get could not install them; the last lines of $log:" >&2
    tail -n 20 "$log" >&2
    return 1
  fi
}
