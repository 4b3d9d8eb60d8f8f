# A command line that vostrane-cli cannot run: exit 2, the reason and one line pointing to
# --help on standard error, never the whole help text.
# cmake -DCLI=... -DROOT=repository -P bad_usage.cmake

set(circuit ${ROOT}/examples/lc_lowpass.vqe)
set(curve ${ROOT}/app/cli/tests/s11.kur)
# Each row: arguments (';' separated, '-' for none) | the reason.
foreach(row
    "-|no command given"
    "frobnicate|unknown command 'frobnicate'"
    "simulate|simulate: expected simulate FILE \\[--kind K\\]"
    "simulate;${ROOT}/examples/lc_lowpass.net;--kind;Q|simulate: --kind 'Q' is none of S, Y, Z, R, K, M, V"
    "simulate;${ROOT}/examples/lc_lowpass.net;--type;S|simulate: unknown option '--type'"
    "render;${circuit}|render: expected render FILE.vqe OUT.png"
    "print;${circuit};a.pdf;b.pdf|print: expected print FILE.vqe OUT.pdf"
    "netlist|netlist: expected netlist FILE.vqe"
    "export-netlist;a.vqe;b.vqe|export-netlist: expected export-netlist FILE.vqe"
    "spice;${circuit};--ac|spice: unknown option '--ac'"
    "latex|latex: expected latex FILE.vqe"
    "ui-script|ui-script: expected ui-script SCRIPT"
    "render-dialog;262|render-dialog: expected render-dialog ID OUT.png"
    "plot;${curve};--diagram;6;--size;0x0|plot: --size '0x0' is not WxH with sides of 1 to 4096 pixels"
    "plot;${curve};--pictex|plot: --pictex without its value"
    "plot;${curve};--width;80|plot: --width and --font need --pictex")
  string(REPLACE "|" ";" fields "${row}")
  list(POP_BACK fields reason)
  if(fields STREQUAL "-")
    set(fields "")
  endif()
  execute_process(COMMAND ${CLI} ${fields} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc EQUAL 2 OR NOT out STREQUAL ""
     OR NOT err MATCHES "^vostrane-cli: ${reason}\nSee 'vostrane-cli --help'.\n$")
    message(SEND_ERROR "${fields}: exit ${rc}, stdout '${out}', stderr '${err}'")
  endif()
endforeach()
