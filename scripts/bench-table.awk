# The benchmark table, made from the "bench <figure> <median> <samples...>"
# lines that the bench programs print. Variables: exe_bytes (the exe's size).
# Usage: awk -v exe_bytes=N -f bench-table.awk measure.log

# Wine programs end their lines with CR LF.
{ sub(/\r$/, "") }

$1 == "bench" {
  median[$2] = $3
  samples[$2] = ""
  for (i = 4; i <= NF; i++) samples[$2] = samples[$2] " " $i
  order[++figures] = $2
}

function ms(v) { return v == "" ? "–" : sprintf("%.0f ms", v) }
function sec(v) { return v == "" ? "–" : sprintf("%.2f s", v / 1000) }
function pct(v) { return v == "" ? "–" : sprintf("%.1f %%", v) }
function ratio(a, b) { return (a == "" || b == "" || b == 0) ? "" : a / b }
function times(r) { return r == "" ? "–" : sprintf("%.2f×", r) }
# "yes" or "**no**"; "–" when the figure is missing.
function met(known, ok) { return known ? (ok ? "yes" : "**no**") : "–" }
function row(figure, measured, floor, r, goal, verdict) {
  printf "| %s | %s | %s | %s | %s | %s |\n", figure, measured, floor, times(r), goal, verdict
}
# A figure that must stay within `limit` times its floor.
function ratio_row(figure, key, floor_key, format, floor_name, limit,    r) {
  r = ratio(median[key], median[floor_key])
  row(figure, format == "s" ? sec(median[key]) : ms(median[key]),
      (format == "s" ? sec(median[floor_key]) : ms(median[floor_key])) " " floor_name,
      r, "≤ " limit "×", met(r != "", r <= limit))
}
# A figure in ms that must stay below `limit_ms`.
function time_row(figure, key, floor_key, floor_name, goal, limit_ms, strict,    v) {
  v = median[key]
  row(figure, ms(v), floor_key == "" ? floor_name : ms(median[floor_key]) " " floor_name,
      floor_key == "" ? "" : ratio(v, median[floor_key]), goal,
      met(v != "", strict ? v < limit_ms : v <= limit_ms))
}

END {
  copy_disc = median["copy_files"] " files, " median["copy_mb"] " MB"
  walk_disc = median["walk_files"] " files in " median["walk_folders"] " folders"

  print "| Figure | Measured | Floor | Ratio | Goal | Met |"
  print "|---|---|---|---|---|---|"
  ratio_row("Start-up to main menu", "startup_tool_ms", "startup_floor_ms", "ms",
            "(bare DialogBox of template 102)", 1.2)
  time_row("Disc identified after OK", "identified_ms", "", "500 ms (the timer)", "≤ 0.6 s", 600, 0)
  v = median["waiting_tool_pct"]
  row("CPU while waiting for a disc (none in the drives): the tool", pct(v),
      pct(median["waiting_floor_tool_pct"]) " (the same dialog before OK)", "", "< 2 % of a core", met(v != "", v < 2))
  row("… the whole Wine session (wineserver and services too)", pct(median["waiting_session_pct"]),
      pct(median["waiting_floor_session_pct"]) " (the same dialog before OK)", "", "–", "–")
  ratio_row("Copy step (\"はい\" to the next message), " copy_disc, "copy_tool_ms", "copy_floor_ms", "s",
            "(bare SHFileOperationW)", 1.05)
  ratio_row("… its CPU time (the process and the wineserver)", "copy_tool_cpu_ms", "copy_floor_cpu_ms", "s",
            "(bare SHFileOperationW)", 1.05)
  time_row("Disc size measurement, " walk_disc, "disc_size_ms", "disc_size_floor_ms",
           "(bare FindFirstFileW walk)", "< 1 s", 1000, 1)
  time_row("Arrival check, the same disc against its copy", "arrival_ms", "arrival_floor_ms",
           "(bare walk of both)", "< 1 s", 1000, 1)
  row("Exe size", sprintf("%.2f MB", exe_bytes / 1048576), "–", "", "≤ 3 MB", met(1, exe_bytes <= 3 * 1048576))

  print ""
  print "The same SHFileOperationW copy under one of the tool's conditions at a time, all taken in turn every round:"
  print ""
  print "| Condition | Wall | CPU (process + wineserver) | CPU against bare | Process | Wineserver |"
  print "|---|---|---|---|---|---|"
  n = split("bare manifest windows_subsystem owner_window com_sta wait_cursor observed all_tool_conditions tool_copy_step", conditions, " ")
  for (i = 1; i <= n; i++) {
    k = "shell_" conditions[i]
    if (!((k "_ms") in median)) continue
    printf "| %s | %s | %s | %s | %s | %s |\n", conditions[i], sec(median[k "_ms"]), sec(median[k "_cpu_ms"]),
           times(ratio(median[k "_cpu_ms"], median["shell_bare_cpu_ms"])), sec(median[k "_process_cpu_ms"]),
           sec(median[k "_server_cpu_ms"])
  }

  print ""
  print "Samples, in the order taken (ms, or % of a core):"
  print ""
  for (i = 1; i <= figures; i++) if (samples[order[i]] != "") printf "- %s:%s\n", order[i], samples[order[i]]
}
