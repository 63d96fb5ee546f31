# Sourced by everything that runs Wine here (the Windows tests, the
# screenshot): a fresh Wine prefix of its own under /tmp, with HOME and the
# XDG folders inside it, so that nothing Wine writes (menu entries, icons,
# file types, GStreamer's cache) reaches the desktop of whoever runs it. No
# add-on installers, no sound driver errors, no menu entries.
# wine_cleanup ends the prefix's processes and removes it.
#
#     source wine_env.sh NAME
WINEPREFIX=$(mktemp -d "/tmp/cuedeck-$1-XXXXXX")
HOME=$WINEPREFIX/home
XDG_CONFIG_HOME=$HOME/.config
XDG_DATA_HOME=$HOME/.local/share
XDG_CACHE_HOME=$HOME/.cache
XDG_STATE_HOME=$HOME/.local/state
mkdir -p "$HOME"
export WINEPREFIX HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d;winemenubuilder.exe=d"
wine_cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
