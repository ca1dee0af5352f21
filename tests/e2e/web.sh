#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The site in a real browser window on a private Xvfb, served by nginx with
# the repository's configuration on 127.0.0.1 from the folder $work_dir/served
# links to, the maker's site answered by the same server; the checks
# themselves are the node script CHECKS (web/checks.mjs, say), driving the
# browser with puppeteer-core.
#   web.sh CHECKS chromium|firefox SITE ASSETS NODE-MODULES MAKE-SITE
source "$(dirname "$0")/xvfb-session.sh"
checks=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
browser=$2
site=$(cd "$3" && pwd)
assets=$(cd "$4" && pwd)
modules=$(cd "$5" && pwd)
export VELMORA_MAKE_SITE=$6
export VELMORA_PAGE="$(cd "$(dirname "$0")/../.." && pwd)/packaging/web"

# nginx on a free port: the site at /, the same site with one file missing
# at /broken/, and the maker's site by its host name.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
mkdir -p "$work_dir/nginx/logs" "$work_dir/maker"
echo '<!DOCTYPE html><title>maker</title>' >"$work_dir/maker/index.html"
for page in fenzu Article/fantizi gexing/haoting; do
    mkdir -p "$work_dir/maker/$page" && cp "$work_dir/maker/index.html" "$work_dir/maker/$page/"
done
cat >"$work_dir/nginx/nginx.conf" <<CONF
# The site's files go out as they lie compressed beside themselves.
load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;
# Workers as the test's own user, who can read the site.
user $(id -un);
worker_processes 1;
pid $work_dir/nginx/nginx.pid;
error_log $work_dir/nginx/logs/error.log;
events {}
http {
    access_log $work_dir/nginx/logs/access.log;
    client_body_temp_path $work_dir/nginx;
    proxy_temp_path $work_dir/nginx;
    fastcgi_temp_path $work_dir/nginx;
    uwsgi_temp_path $work_dir/nginx;
    scgi_temp_path $work_dir/nginx;
    server {
        listen 127.0.0.1:$port default_server;
        root $work_dir/served;
        location = /broken/fonts/velmora.ttf { return 404; }
        location /broken/ { alias $work_dir/served/; }
        include $VELMORA_PAGE/nginx-site.conf;
    }
    server {
        listen 127.0.0.1:$port;
        server_name www.korvane.example;
        root $work_dir/maker;
    }
}
CONF
ln -s "$site" "$work_dir/served"
# The checks stop and start it, to take the site offline and serve a next release.
export VELMORA_NGINX="$work_dir/nginx"
trap 'nginx -p "$VELMORA_NGINX" -c "$VELMORA_NGINX/nginx.conf" -s stop 2>/dev/null || true; cleanup' EXIT
nginx -p "$VELMORA_NGINX" -c "$VELMORA_NGINX/nginx.conf" 2>"$work_dir/nginx/stderr" ||
    fail "nginx did not start: $(cat "$work_dir/nginx/stderr")"
wait_until curl -sf -o /dev/null "http://127.0.0.1:$port/" ||
    fail "nginx did not serve the site: $(tail -n 5 "$work_dir/nginx/stderr" "$work_dir/nginx/logs/error.log")"

start_xvfb 1600x1300 # room for the window at ratio 2
# The browsers' profiles and caches stay in the test's folder.
export HOME="$work_dir/home"
mkdir -p "$HOME"
export first_pair spaced_pair traditional_spaced_pair
node "$checks" "$browser" "http://127.0.0.1:$port" "$assets" "$work_dir" "$modules" ||
    fail "$(basename "$checks") in $browser failed"
echo "PASS: web $(basename "$checks") in $browser"
