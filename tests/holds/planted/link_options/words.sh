#!/bin/sh
# Runs the link it is handed with an option of its own.
exec "$@" -Wl,--wrap=_ZNK12KeysHeldViewcviEv
