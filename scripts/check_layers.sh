#!/usr/bin/env bash
# Checks that every source file includes only headers of its own layer or of
# the layers below it, so the core libraries never reach into windows or into
# code built on top of them. Usage: scripts/check_layers.sh [REPO_ROOT]
# Prints one line per offending include and exits 1 when there is any.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The layer of a path under src/ (or of sim/...), set in $layer. The first
# matching pattern wins: every ui/ folder is a window layer, whatever it is in.
layer_of() {
  case "$1" in
    sim/*) layer=sim ;;
    */ui/* | ui/*) layer=ui ;;
    app/*) layer=app ;;
    model/*) layer=model ;;
    link/runs/*) layer=runs ;;
    link/params/*) layer=params ;;
    link/*/*) layer=run ;;  # link/read, link/write, link/clock: one run each
    link/*) layer=link ;;
    editor/descriptors/*) layer=descriptors ;;
    check/*) layer=check ;;
    editor/workflow/*) layer=workflow ;;
    editor/pages/*) layer=pages ;;
    maps/*) layer=maps ;;
    arith/*) layer=arith ;;
    *) layer= ;;  # not a project header (a generated or local one)
  esac
}

# What each layer may include, its own layer included.
declare -A may_include=(
  [model]="model"
  [link]="model link"
  [runs]="model link runs"
  [params]="model link runs params"
  [run]="model link runs params run"
  [descriptors]="model descriptors"
  [check]="model descriptors check"
  [workflow]="model descriptors check link runs params run workflow"
  [pages]="model descriptors check workflow pages"
  [maps]="model descriptors check maps"
  [arith]="model descriptors check arith"
  [ui]="model link runs params run descriptors check workflow pages maps arith ui"
  [app]="model link runs params run descriptors check workflow pages maps arith ui app"
  [sim]="model link sim"
)

failures=0
while read -r file header; do
  from=${file#src/}
  layer_of "$from"
  source_layer=$layer
  [ -n "$source_layer" ] || continue
  layer_of "$header"
  header_layer=$layer
  [ -n "$header_layer" ] || continue
  case " ${may_include[$source_layer]} " in
    *" $header_layer "*) ;;
    *)
      echo "$file: includes \"$header\" ($header_layer), above its layer ($source_layer)"
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
