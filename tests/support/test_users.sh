# Sourced by scripts/test and by the tests that act as other users (as root).
# The users the tests run as: markloom-test (the ordinary user the suite runs
# as) and markloom-peer (the other local user of the two-user tests). Created
# only when missing, never changed afterwards; no login, no home of their own
# (each run gives them a HOME in its own scratch folder).
MARKLOOM_TEST_USER=markloom-test
MARKLOOM_PEER_USER=markloom-peer

ensure_test_users() {
  local user
  for user in "$MARKLOOM_TEST_USER" "$MARKLOOM_PEER_USER"; do
    if ! id -u "$user" >/dev/null 2>&1; then
      # '*': no password, yet not a locked account, which sshd would refuse in the SFTP tests.
      useradd --system --user-group --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin -p '*' "$user"
    fi
  done
}

# as_user USER COMMAND...: runs COMMAND as USER with the environment as it is.
as_user() {
  local user="$1"
  shift
  setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups -- "$@"
}
