#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need. Idempotent: only
# what is missing is installed.
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev libgl-dev
  # asks the X server whether a compositing manager blends the popups' drawn shadows
  libxcb1-dev
  libpugixml-dev libjpeg62-turbo-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth iproute2 util-linux clang-format xdg-utils
  # the checked build of the tests and fuzz targets: clang, its libFuzzer and sanitizer runtimes,
  # llvm-symbolizer for reports, lld to link
  clang libclang-rt-14-dev llvm lld
  # the grid's spreadsheet, document and database exchange
  libxlsxwriter-dev libfreexl-dev libzip-dev unixodbc-dev odbc-mdbtools
  # independent checks in the tests: LibreOffice without its GUI, poppler's pdftotext and pdftoppm,
  # SQLite ODBC, Python's csv and xml modules
  libreoffice-calc-nogui libreoffice-writer-nogui poppler-utils libsqliteodbc python3
  # checks of the written device descriptions: xmllint for GSDML, smilint for MIB modules
  libxml2-utils smitools
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The grid's Access import: the MDB Tools ODBC driver registered under the Access driver's name,
# which the import's connection string asks for.
access_driver='[Microsoft Access Driver (*.mdb)]'
if command -v odbcinst >/dev/null && ! odbcinst -q -d | grep -qxF "$access_driver"; then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  template=$(mktemp)
  printf '%s\nDescription=MDB Tools for Access databases\nDriver=libmdbodbc.so\nSetup=libmdbodbc.so\nFileUsage=1\n' \
    "$access_driver" >"$template"
  $sudo odbcinst -i -d -f "$template" >/dev/null
  rm -f "$template"
fi
