#!/bin/sh
# Started by the menu's "Run the welcome tool" link, with its parameters.
msg="Welcome to the Velomar sample disc (started with: $*)"
if command -v xmessage >/dev/null 2>&1; then xmessage -center "$msg"; else echo "$msg"; fi
