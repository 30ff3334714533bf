#!/usr/bin/env python3
"""Runs a PulseAudio server with one null sink for the Windows tests, so that
Wine's Core Audio has a default render endpoint.

usage: sound_server.py start STATE_DIR
       sound_server.py stop STATE_DIR

start returns once the server answers on STATE_DIR/native (the Windows tests
get PULSE_SERVER=unix:STATE_DIR/native). STATE_DIR then holds:

  state        "running", or "none" when no server could be started (no
               pulseaudio on this machine, or it did not come up); the tests
               that need the endpoint skip themselves then
  server.pid   the server's process id, while it runs
  server.log   the server's own output

stop ends the server that start left, and nothing else.
"""
import os
import shutil
import signal
import subprocess
import sys
import time

STARTUP_DEADLINE_S = 15
STOP_DEADLINE_S = 10
# A server whose stop never came (an interrupted test run) ends by itself.
LIFETIME_S = 1800
SINK = "notch_null"


def server_environment(state):
    env = dict(os.environ)
    # A private home and runtime folder: nothing of the user's sound set-up
    # is read or written.
    env.update(HOME=state, XDG_RUNTIME_DIR=state, PULSE_SERVER="unix:" + os.path.join(state, "native"))
    return env


def write_state(state, text):
    with open(os.path.join(state, "state"), "w", encoding="utf-8") as out:
        out.write(text + "\n")


def answers(env):
    result = subprocess.run(["pactl", "info"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            timeout=5, check=False)
    return result.returncode == 0


def start(state):
    os.makedirs(state, exist_ok=True)
    stop(state)
    write_state(state, "none")
    if shutil.which("pulseaudio") is None or shutil.which("pactl") is None:
        print("sound_server: no pulseaudio here; the tests that need a sound server skip themselves")
        return 0
    env = server_environment(state)
    socket = os.path.join(state, "native")
    if os.path.exists(socket):
        os.remove(socket)
    with open(os.path.join(state, "server.log"), "w", encoding="utf-8") as log:
        server = subprocess.Popen(
            ["timeout", str(LIFETIME_S), "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--log-target=stderr", "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % socket,
             "-L", "module-null-sink sink_name=%s" % SINK, "-L", "module-always-sink"],
            env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    with open(os.path.join(state, "server.pid"), "w", encoding="utf-8") as out:
        out.write("%d\n" % server.pid)
    deadline = time.monotonic() + STARTUP_DEADLINE_S
    while time.monotonic() < deadline:
        if server.poll() is not None:
            break
        if answers(env):
            write_state(state, "running")
            print("sound_server: PulseAudio with sink %s on %s" % (SINK, socket))
            return 0
        time.sleep(0.1)
    print("sound_server: PulseAudio did not come up (see %s)" % os.path.join(state, "server.log"))
    stop(state)
    write_state(state, "none")
    return 0


def running(pid):
    """Whether the process exists and is not a zombie waiting to be reaped."""
    try:
        with open("/proc/%d/stat" % pid, encoding="utf-8") as source:
            return source.read().rsplit(")", 1)[1].split()[0] != "Z"
    except (OSError, IndexError):
        return False


def stop(state):
    pid_file = os.path.join(state, "server.pid")
    try:
        with open(pid_file, encoding="utf-8") as source:
            pid = int(source.read().strip())
    except (OSError, ValueError):
        return 0
    try:
        os.kill(pid, signal.SIGTERM)
        deadline = time.monotonic() + STOP_DEADLINE_S
        while time.monotonic() < deadline:
            if os.waitpid(pid, os.WNOHANG)[0] == pid:
                break
            time.sleep(0.05)
        else:
            os.kill(pid, signal.SIGKILL)
    except ChildProcessError:
        # Not our child (start ran in another process): wait until it is gone.
        deadline = time.monotonic() + STOP_DEADLINE_S
        while time.monotonic() < deadline and running(pid):
            time.sleep(0.05)
    except ProcessLookupError:
        pass
    os.remove(pid_file)
    return 0


def main(arguments):
    if len(arguments) != 2 or arguments[0] not in ("start", "stop"):
        print(__doc__, file=sys.stderr)
        return 2
    command, state = arguments[0], os.path.abspath(arguments[1])
    return start(state) if command == "start" else stop(state)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
