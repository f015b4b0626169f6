# Sourced by scripts/test and by the tests that act as other users (as root).
# The users the tests run as: markloom-test (the ordinary user the suite runs
# as) and markloom-peer (the other local user of the two-user tests). Created
# only when missing; no login; a home folder under /var/lib (where an SFTP
# login starts), while each run gives them a HOME in its own scratch folder.
MARKLOOM_TEST_USER=markloom-test
MARKLOOM_PEER_USER=markloom-peer

ensure_test_users() {
  local user home
  for user in "$MARKLOOM_TEST_USER" "$MARKLOOM_PEER_USER"; do
    home="/var/lib/$user"
    if ! id -u "$user" >/dev/null 2>&1; then
      # '*': no password, yet not a locked account, which sshd would refuse in the SFTP tests.
      useradd --system --user-group --home-dir "$home" --shell /usr/sbin/nologin -p '*' "$user"
    fi
    # A home folder of its own, where an SFTP login starts (an older run made
    # the users without one).
    if [ "$(getent passwd "$user" | cut -d: -f6)" = /nonexistent ]; then usermod --home "$home" "$user"; fi
    home="$(getent passwd "$user" | cut -d: -f6)"
    if [ ! -d "$home" ]; then
      mkdir -p -m 700 "$home"
      chown "$user:" "$home"
    fi
  done
}

# as_user USER COMMAND...: runs COMMAND as USER with the environment as it is.
as_user() {
  local user="$1"
  shift
  setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups -- "$@"
}
