#!/usr/bin/env bash
# Checks that every source file includes only headers of its own layer or of
# the layers below it, so the core libraries never reach into windows or into
# code built on top of them. Usage: scripts/check_layers.sh [REPO_ROOT]
# Prints one line per offending include and exits 1 when there is any.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The layer of a path under src/ (or of sim/...), set in $layer, and the kind
# of layer the rules below name, in $kind. The first matching pattern wins:
# every ui/ folder is a window layer of its own ("check/ui"), whatever it is
# in. Each run under src/link (read, write, clock…) is a layer of its own: runs
# do not include one another.
layer_of() {
  layer_kind "$1"
  layer=$kind
  case "$1" in
    */ui/*) layer=${1%%/ui/*}/ui ;;
    link/runs/* | link/params/* | ui/*) ;;
    link/*/*)
      local run=${1#link/}
      layer=link/${run%%/*}
      ;;
  esac
}

# The core a ui/ folder binds: the folder it sits in ("editor/pages/sensors/ui"
# binds the sensor page, "editor/ui" the main window's workflow). Sets
# $core_layer and $core_kind.
core_of() {
  local inner=${1%%/ui/*}/core
  case "$inner" in
    editor/core) inner=editor/workflow/core ;;
    link/core) inner=link/runs/core ;;
  esac
  layer_of "$inner"
  core_layer=$layer core_kind=$kind
}

layer_kind() {
  case "$1" in
    sim/*) kind=sim ;;
    */ui/* | ui/*) kind=ui ;;
    app/*) kind=app ;;
    model/*) kind=model ;;
    link/runs/*) kind=runs ;;
    link/params/*) kind=params ;;
    link/*/*) kind=run ;;
    link/*) kind=link ;;
    descriptors/*) kind=descriptors ;;
    widgets/*) kind=widgets ;;
    check/*) kind=check ;;
    editor/workflow/*) kind=workflow ;;
    editor/pages/*) kind=pages ;;
    maps/*) kind=maps ;;
    compare/*) kind=compare ;;
    arith/*) kind=arith ;;
    *) kind= ;;  # not a project header (a generated or local one)
  esac
}

# What each kind of layer may include besides its own layer.
declare -A may_include=(
  [model]="model"
  [link]="model link"
  [runs]="model link runs"
  [params]="model link runs params"
  [run]="model link runs params"
  [descriptors]="model descriptors"
  [check]="model descriptors check"
  [workflow]="model check workflow"  # check: the place of each rule's fault
  [pages]="model descriptors check workflow pages"
  [maps]="model descriptors check maps"
  [arith]="model descriptors check arith"
  [compare]="model descriptors check workflow pages maps compare"
  [widgets]="model descriptors widgets"
  [app]="model link runs params run descriptors widgets check workflow pages maps arith compare ui app"
  [sim]="model link sim"
)

failures=0
while read -r file header; do
  layer_of "${file#src/}"
  source_layer=$layer source_kind=$kind
  [ -n "$source_kind" ] || continue
  layer_of "$header"
  header_layer=$layer header_kind=$kind
  [ -n "$header_kind" ] || continue
  [ "$header_layer" = "$source_layer" ] && continue
  # The safe write backs the device up with the read run before the write run
  # sends anything: the one run that composes two others.
  [ "$source_layer" = link/safe_write ] && { [ "$header_layer" = link/read ] || [ "$header_layer" = link/write ]; } && continue
  # The time page counts down to the minute and forms the clock's words as the
  # clock runs do: the one place a page uses a run's own helpers.
  [ "$source_layer" = pages ] && [[ "$file" == src/editor/pages/time/* ]] && [ "$header_layer" = link/clock ] && continue
  # The site backup keeps each device it found with the read run's backup, so
  # the pairs look like the ones taken before a write.
  [ "$source_layer" = link/scan ] && [ "$header_layer" = link/read ] && continue
  if [ "$source_kind" = ui ]; then
    # A window binds its own core, the shared widgets and what its core may
    # include; it opens another folder's window only where named here.
    core_of "${file#src/}"
    [ "$header_layer" = "$core_layer" ] && continue
    [ "$header_kind" = widgets ] && continue
    case "$source_layer>$header_layer" in
      # The sensor page opens the arithmetic window for a summing sensor.
      "editor/pages/sensors/ui>arith/ui" | "editor/pages/sensors/ui>arith") continue ;;
      # The time page counts down as the clock runs do (see below).
      "editor/pages/time/ui>link/clock") continue ;;
      # The maps menu lists the rows of the map table.
      "editor/ui>maps") continue ;;
      # The error window reports to the main window through its hooks.
      "check/ui>workflow") continue ;;
      # The changes a safe write will make are shown as a comparison.
      "link/safe_write/ui>compare") continue ;;
      # The network window names the backup a device's row opens.
      "link/scan/ui>link/read") continue ;;
      # The view pages ask for the privileged login before a raw edit.
      "editor/pages/view/ui>editor/ui") continue ;;
      # The group window uses the exchange window's radio group.
      "link/write/ui>link/ui") continue ;;
    esac
    case " ${may_include[$core_kind]} " in
      *" $header_kind "*) ;;
      *)
        echo "$file: includes \"$header\": $source_layer may not include $header_layer"
        failures=$((failures + 1))
        ;;
    esac
    continue
  fi
  case " ${may_include[$source_kind]} " in
    *" $header_kind "*) ;;
    *)
      echo "$file: includes \"$header\": $source_layer may not include $header_layer"
      failures=$((failures + 1))
      ;;
  esac
done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src sim --include='*.h' --include='*.cpp' |
  sed -E 's/^([^:]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1 \2/' | sort)

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) cross the layers (rules in $0)"
  exit 1
fi
echo "layers: every include stays within its layer or below"
