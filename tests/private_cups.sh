# Sourced by the tests that print: a real CUPS server of the test's own, with its own
# configuration, spool and port on 127.0.0.1, nothing system-wide touched, and CUPS_SERVER
# naming it. Its one raw queue "capture", the default, has a backend of the test's that
# keeps each job's document as $cups_work/jobs/job-N.pdf (the document as the printing system
# got it: PDF from CUPS clients, PostScript from Wine's driver). `stop` ends the server
# and removes $cups_work; the script's EXIT trap calls it.
for tool in cupsd lpadmin lpinfo cupsreject cupsaccept cupsdisable lpstat pdftotext; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (install cups and poppler-utils)" >&2; exit 1; }
done

cups_work=$(mktemp -d)
chmod 755 "$cups_work"  # the backend runs as lp and must reach its folder
cupsd_pid=
stop() {
  local status=$?
  # A test that failed shows what the server said, before its folder goes.
  if [ "$status" -ne 0 ] && [ -s "$cups_work/log/error_log" ]; then
    echo "--- the private cupsd's error_log (port ${port:-none}):" >&2
    tail -n 20 "$cups_work/log/error_log" >&2
  fi
  if [ -n "$cupsd_pid" ]; then kill "$cupsd_pid" 2>/dev/null || true; wait "$cupsd_pid" 2>/dev/null || true; fi
  rm -rf "$cups_work"
}
trap stop EXIT

mkdir -p "$cups_work"/{spool,tmp,cache,state,log,home,jobs} "$cups_work/serverbin/backend"
chmod 1777 "$cups_work/jobs" "$cups_work/tmp"
ln -s /usr/lib/cups/daemon "$cups_work/serverbin/daemon"
ln -s /usr/lib/cups/filter "$cups_work/serverbin/filter"
cat > "$cups_work/serverbin/backend/capture" <<'BACKEND'
#!/bin/sh
# Without arguments: the device this backend offers. With a job: its document, kept.
if [ $# -eq 0 ]; then echo 'direct capture "Capture" "Keeps every job"'; exit 0; fi
folder=${DEVICE_URI#capture:}
if [ -n "$6" ]; then cat "$6"; else cat; fi > "$folder/job-$1.part" && mv "$folder/job-$1.part" "$folder/job-$1.pdf"
BACKEND
chmod 755 "$cups_work/serverbin/backend/capture"

write_config() {
cat > "$cups_work/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$cups_work/cups-files.conf" <<CONF
ServerRoot $cups_work
RequestRoot $cups_work/spool
TempDir $cups_work/tmp
CacheDir $cups_work/cache
StateDir $cups_work/state
ServerBin $cups_work/serverbin
AccessLog $cups_work/log/access_log
ErrorLog $cups_work/log/error_log
PageLog $cups_work/log/page_log
CONF
}

# A free port is found by trying: a port another program holds keeps cupsd from starting.
export HOME=$cups_work/home
for attempt in 1 2 3 4 5; do
  port=$(( 20000 + RANDOM % 20000 ))
  write_config
  cupsd -f -c "$cups_work/cupsd.conf" -s "$cups_work/cups-files.conf" &
  cupsd_pid=$!
  export CUPS_SERVER=127.0.0.1:$port
  for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
  lpstat -r >/dev/null 2>&1 && break
  kill "$cupsd_pid" 2>/dev/null || true; wait "$cupsd_pid" 2>/dev/null || true; cupsd_pid=
done
[ -n "$cupsd_pid" ] || { echo "the private cupsd did not start" >&2; cat "$cups_work/log/error_log" >&2 || true; exit 1; }
# The server answers before it knows its backends: a queue on the capture backend is
# made only once the server lists that device.
for _ in $(seq 100); do lpinfo -v 2>/dev/null | grep -q '^direct capture$' && break; sleep 0.1; done
lpinfo -v 2>/dev/null | grep -q '^direct capture$' ||
  { echo "the private cupsd never listed the capture backend: $(lpinfo -v 2>&1)" >&2; exit 1; }
admin_said=$(lpadmin -p capture -E -v "capture:$cups_work/jobs" -m raw 2>&1) ||
  { echo "the private cupsd took no capture queue: $admin_said" >&2; exit 1; }
lpadmin -d capture

