#!/bin/sh
# Strips as Debian's packaging helpers do: besides the symbols, the compiler's
# version notes (.comment, .note) that a packaged program does not need.
exec strip --remove-section=.comment --remove-section=.note "$@"
