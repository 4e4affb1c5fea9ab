#!/usr/bin/env bash
# Passes when check_pe.sh rejects a program and names the expected fault.
#
#   expect_rejection.sh FAULT_PATTERN OBJDUMP ARCH PROGRAM.exe
set -u
pattern=$1
shift
output=$(bash "$(dirname "${BASH_SOURCE[0]}")/check_pe.sh" "$@")
status=$?
echo "$output"
if [ $status -eq 0 ]; then
  echo "check_pe.sh accepted $3, expected a failure matching: $pattern"
  exit 1
fi
if ! grep -Eq "^FAIL: .*$pattern" <<<"$output"; then
  echo "check_pe.sh rejected $3, but not for: $pattern"
  exit 1
fi
