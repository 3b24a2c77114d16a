# Left alone, the editor runs 60 logic steps a second without keeping a core
# busy. The CPU figure is printed; the limit is far above it, so machine
# noise cannot fail the test, but a busy loop (about 100 %) does.
source "$(dirname "$0")/lib.sh"
e2e_setup
export CHARED_STATS=1
e2e_launch
cpu_ticks() { awk '{print $14 + $15}' "/proc/$E2E_PID/stat"; }
last_stats() { grep chared-stats "$E2E_TMP/chared.log" | tail -n 1 | sed -E 's/.*steps=([0-9]+) redraws=([0-9]+) seconds=([0-9.]+).*/\1 \2 \3/'; }
seconds=6
sleep 1.2
read -r steps0 draws0 t0 <<<"$(last_stats)"
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
read -r steps1 draws1 t1 <<<"$(last_stats)"
hz=$(getconf CLK_TCK)
cpu=$(awk -v d=$((after - before)) -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * d / hz / s }')
rate=$(awk -v a="$steps0" -v b="$steps1" -v s="$t0" -v t="$t1" 'BEGIN { printf "%.2f", (b - a) / (t - s) }')
draws=$(awk -v a="$draws0" -v b="$draws1" -v s="$t0" -v t="$t1" 'BEGIN { printf "%.2f", (b - a) / (t - s) }')
echo "idle: ${cpu}% of one core; ${rate} logic steps and ${draws} redraws per second"
e2e_quit
awk -v r="$rate" 'BEGIN { exit !(r >= 58 && r <= 62) }' || e2e_fail "logic rate $rate, not 60"
awk -v c="$cpu" 'BEGIN { exit !(c < 50) }' || e2e_fail "idle CPU ${cpu}% keeps a core busy"
echo "PASS"
