#!/usr/bin/env bash
# The main job as far as the system goes today: make a new, empty user
# dictionary in a demo folder and show what is in it.
set -euo pipefail
build=${1:?build folder}
demo=${2:?demo folder}

mkdir -p "$demo"
dict="$demo/NewUserDictionary.ud"
rm -f "$dict"
"$build/tools/udinspect" --create "$dict"
"$build/tools/udinspect" "$dict"
