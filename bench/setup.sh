# Sourced by the bench scripts: installs what they need, builds the Windows
# programs they run, and serves files from the loopback with nginx.

bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# nginx lives in /usr/sbin, which is not on every user's path.
export PATH="$PATH:/usr/sbin"
export WINEPREFIX="$bench_root/build/win/wineprefix"
wine_exec="$bench_root/build/win/wine-exec"
bench_wineserver_linger=30

# Debian's packages for each command the bench runs, asked for only when missing.
bench_install() {
  local missing=() command package
  for command in nginx:nginx-light curl:curl wget:wget python3:python3; do
    package=${command#*:}
    command -v "${command%%:*}" >/dev/null || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Builds the given targets of the Windows build and makes its Wine prefix.
bench_build() {
  [ -d "$bench_root/build/win" ] || "$bench_root/scripts/build" win
  cmake --build "$bench_root/build/win" --target "$@" >/dev/null
  [ -d "$WINEPREFIX" ] || "$bench_root/build/win/wine-setup"
  # One Wine server for the whole bench: a server that quits between two
  # programs can drop the next one's connection. One already running (an
  # earlier bench's) stays as it is.
  wineserver -p"$bench_wineserver_linger" 2>/dev/null || true
}

# A scratch folder, removed with the server when the script ends.
bench_workdir() {
  bench_work=$(mktemp -d /tmp/durnwick-bench.XXXXXX)
  trap bench_cleanup EXIT
}

bench_cleanup() {
  [ -f "$bench_work/nginx.pid" ] && kill "$(cat "$bench_work/nginx.pid")" 2>/dev/null || true
  rm -rf "$bench_work"
}

# The Windows path of a Linux path.
windows_path() { "$wine_exec" winepath -w "$1" | tr -d '\r'; }

# Serves $bench_work/www on a free loopback port; sets bench_base to its address.
bench_serve() {
  local port
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  mkdir -p "$bench_work/www" "$bench_work/tmp"
  # "user" only matters when started as root: the workers then keep our
  # identity and can read the private temporary folder.
  cat >"$bench_work/nginx.conf" <<CONF
worker_processes 1;
user $(id -un) $(id -gn);
pid $bench_work/nginx.pid;
error_log $bench_work/error.log;
events { worker_connections 256; }
http {
  access_log off;
  sendfile on;
  tcp_nopush on;
  keepalive_timeout 65;
  keepalive_requests 100000;
  default_type application/octet-stream;
  client_body_temp_path $bench_work/tmp/body;
  proxy_temp_path $bench_work/tmp/proxy;
  fastcgi_temp_path $bench_work/tmp/fastcgi;
  uwsgi_temp_path $bench_work/tmp/uwsgi;
  scgi_temp_path $bench_work/tmp/scgi;
  server {
    listen 127.0.0.1:$port;
    root $bench_work/www;
  }
}
CONF
  nginx -p "$bench_work" -c "$bench_work/nginx.conf" -e "$bench_work/error.log"
  bench_base="http://127.0.0.1:$port"
}

# Writes <count> files of <bytes> random bytes named <prefix>NNNNN.bin into a
# served folder, and their addresses, one a line, to <list>.
bench_files() {
  local folder=$1 prefix=$2 count=$3 bytes=$4 list=$5 i name
  mkdir -p "$bench_work/www/$folder"
  : >"$list"
  for ((i = 0; i < count; i++)); do
    printf -v name '%s%05d.bin' "$prefix" "$i"
    head -c "$bytes" /dev/urandom >"$bench_work/www/$folder/$name"
    echo "$bench_base/$folder/$name" >>"$list"
  done
}
