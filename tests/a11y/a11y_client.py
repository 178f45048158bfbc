#!/usr/bin/python3
"""An assistive-technology client on the accessibility bus, as a screen reader is one: it
listens to the events a screen reader listens to, runs the bus's main loop, and reads the
program's window tree. It starts the probe program (tavrin_a11y_probe), has it open a class pair
and type into it, and measures how long the program takes to answer again.

Prints one line per figure, "MEASURE <name> <seconds>", and the events it received by type,
"EVENTS <type> <count> <characters>". Exits 1 when the program did not answer within --limit
seconds of a step (or within --expect-within), did not show its panes' text or did not report
the typed text; 77 when the bus's client library is missing.

With --audit it instead opens a small class pair, shows every dialog and the help, and reads each window of
the program for what a screen reader announces of each field: one "FIELD" line per interactive
object, and a "WEAK" line (exit 1) for each field that cannot be told apart (see audit()).

Runs inside a session with a D-Bus session bus, an accessibility bus and an X display (see
a11y_bus.sh)."""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import GLib
    import pyatspi
except (ImportError, ValueError) as missing:  # a skip for CTest
    print("a11y_client.py: %s (package python3-pyatspi)" % missing, file=sys.stderr)
    sys.exit(77)

# What a screen reader such as Orca listens to.
LISTENED = [
    "object:text-changed",
    "object:text-caret-moved",
    "object:text-selection-changed",
    "object:text-attributes-changed",
    "object:state-changed",
    "object:children-changed",
    "object:property-change",
    "object:value-changed",
    "object:selection-changed",
    "object:active-descendant-changed",
    "window:activate",
    "window:deactivate",
    "window:create",
    "focus:",
]


def write_class_pair(directory, name, header_lines, source_lines):
    """The benchmarks' large pair: a header of members and a source of ten-line functions."""
    header = [
        "//" + "-" * 75,
        f"// {name}.h",
        f"#ifndef {name}H",
        f"#define {name}H",
        f"class {name}",
        "{",
        "private:",
        "protected:",
        "public:",
        f"    {name}();",
        f"    ~{name}();",
    ]
    i = 0
    while len(header) < header_lines - 2:
        header.append(f"    int member_{i:06d};  // a counter of the generated class")
        if len(header) < header_lines - 2:
            header.append(f"    void Function{i:06d}(int first, int second);")
        i += 1
    header += ["};", "#endif"]
    body = (
        "{\r\n"
        "    int total = first + second;         // the sum of both arguments\r\n"
        "    for (int index = 0; index < second; ++index)\r\n"
        "        total += values_[index] * first + offsets_[index % 16];\r\n"
        "    if (total > limit_ && !ignoreLimit_) /* keep it in range */\r\n"
        "        total = limit_ - (total - limit_) / 2;\r\n"
        "    result_ = total;  // kept for the next call\r\n"
        "}\r\n"
        "\r\n"
    )
    source = "".join(
        f"void {name}::Function{i:06d}(int first, int second)\r\n" + body
        for i in range(source_lines // 10)
    )
    header_path = os.path.join(directory, name + ".h")
    source_path = os.path.join(directory, name + ".cpp")
    with open(header_path, "w", newline="") as f:
        f.write("\r\n".join(header) + "\r\n")
    with open(source_path, "w", newline="") as f:
        f.write(source)
    return header_path, source_path


class Client:
    def __init__(self, limit, listened=LISTENED):
        self.limit = limit
        self.context = GLib.MainContext.default()
        self.events = {}
        self.last_event = time.monotonic()
        self.lines = []
        self.probe = None
        for kind in listened:
            pyatspi.Registry.registerEventListener(self.on_event, kind)
        # Wakes the loop up now and then, so that pump() sees its deadline.
        GLib.timeout_add(20, lambda: True)

    def on_event(self, event):
        count, chars = self.events.get(event.type, (0, 0))
        data = event.any_data
        size = len(data) if isinstance(data, str) else 0
        self.events[event.type] = (count + 1, chars + size)
        self.last_event = time.monotonic()

    def pump(self, done, limit, what):
        """Runs the main loop (events are delivered) until done() or limit seconds."""
        deadline = time.monotonic() + limit
        while not done():
            if time.monotonic() > deadline:
                raise TimeoutError(what)
            self.context.iteration(True)

    def start(self, command, env):
        self.probe = subprocess.Popen(
            command, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1
        )
        os.set_blocking(self.probe.stdout.fileno(), False)
        GLib.io_add_watch(self.probe.stdout.fileno(), GLib.IO_IN | GLib.IO_HUP, self.on_output)

    def on_output(self, _fd, condition):
        text = self.probe.stdout.read()
        if text:
            self.lines += text.splitlines()
        return not (condition & GLib.IO_HUP) or bool(text)

    def command(self, line):
        self.probe.stdin.write(line + "\n")
        self.probe.stdin.flush()

    def wait_line(self, prefix):
        def found():
            return any(line.startswith(prefix) for line in self.lines)

        self.pump(found, self.limit, "no '%s' from the probe" % prefix)
        line = next(line for line in self.lines if line.startswith(prefix))
        self.lines.remove(line)
        return line.split()[1:]

    def application(self, pid):
        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                try:
                    if app is not None and app.get_process_id() == pid:
                        return app
                except GLib.Error:
                    pass
            return None

        found = []
        self.pump(lambda: found.append(find()) or found[-1] is not None, self.limit,
                  "the program did not appear on the accessibility bus")
        return found[-1]


def walk(node, texts, roles=None):
    """Reads what a screen reader reads of each object: name, role, states, place among its
    siblings, children, and of a text its length, caret and first line. Returns the number of objects; roles, when given,
    counts them by role."""
    count = 1
    role = node.getRoleName()
    _ = node.name, node.getState().getStates(), node.getIndexInParent()
    if roles is not None:
        roles[role] = roles.get(role, 0) + 1
    try:
        text = node.queryText()
    except NotImplementedError:
        text = None
    if text is not None:
        length = text.characterCount
        caret = text.caretOffset
        first = text.getText(0, min(length, 200))
        line = text.getTextAtOffset(caret, pyatspi.TEXT_BOUNDARY_LINE_START)
        texts.append((length, caret, first, line))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            count += walk(child, texts, roles)
    return count


def find_role(node, role):
    if node.getRoleName() == role:
        return node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        found = find_role(child, role) if child is not None else None
        if found is not None:
            return found
    return None


def check_drop_down(client, app, functions, failed, measure):
    """The function list: no entries while folded up, every function while dropped down."""
    combo = find_role(app, "combo box")
    folded = combo.getChildAtIndex(0).childCount
    t = time.monotonic()
    client.command("drop")
    client.wait_line("dropped")
    listed = combo.getChildAtIndex(0)
    count = listed.childCount
    last = listed.getChildAtIndex(count - 1) if count else None
    name, place = (last.name, last.getIndexInParent()) if last is not None else ("", -1)
    measure("drop_until_last_entry_read", time.monotonic() - t)
    client.command("fold")
    client.wait_line("folded")
    refolded = combo.getChildAtIndex(0).childCount
    print("DROP folded %d dropped %d last %r at %d folded again %d"
          % (folded, count, name, place, refolded), flush=True)
    if (folded, count, place, refolded) != (0, functions, functions - 1, 0) or \
            "Function" not in name:
        failed.append("the function list did not show its entries only while dropped down")


# The roles of the objects a user moves to and operates: each is a field a screen reader names.
INTERACTIVE = {
    "push button", "toggle button", "radio button", "check box", "combo box", "text", "entry",
    "password text", "spin button", "slider", "list", "list box", "tree", "tree table", "table",
    "menu item", "check menu item", "radio menu item", "menu", "page tab", "page tab list",
}
# A window and the separate windows inside it (a class window in the workspace): two fields
# announced identically are a fault only inside one of these.
WINDOWS = {"frame", "dialog", "window", "internal frame", "alert", "file chooser"}


def announcement(node):
    """What a screen reader says of a field: its labels (the "labelled by" targets), its name,
    its description and its role. On Linux the toolkit gives a combo box its shown text as its
    name, so a combo box's name is its value and does not tell which field it is."""
    labels = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target is not None and target.name:
                    labels.append(target.name)
    return node.getRoleName(), node.name or "", node.description or "", labels


def holds_text(node):
    try:
        return node.queryText().characterCount > 0
    except NotImplementedError:
        return False


def audit_fields(node, window, fields, named, window_names):
    """Collects the interactive objects under node with the window they are in, and every
    object's name with where it is."""
    role = node.getRoleName()
    if role in WINDOWS:
        window = "%s %r" % (role, node.name)
        window_names.append(window)
    if role in INTERACTIVE or (role == "label" and not node.name and holds_text(node)):
        # A text without a name (the help's topic once was one) is read out with nothing to
        # say what it is: a field to tell apart like the others.
        fields.append((window, node, announcement(node)))
    if node.name:
        named.append((window, role, node.name))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            audit_fields(child, window, fields, named, window_names)


def audit(fields, named, object_names):
    """Faults: a field without an identity (neither a name that is more than a bare object name
    nor a label; a combo box's name is its value, so it needs a label or a description), two
    fields of one window announced alike, and any object announced by a bare object name."""
    faults = []
    seen = {}
    for window, _, (role, name, description, labels) in fields:
        useful = name if name not in object_names and role != "combo box" else ""
        what = "%s in %s: name %r description %r labelled by %r" % (
            role, window, name, description, labels)
        if not (useful or labels or (role == "combo box" and description)):
            faults.append("no name or label: " + what)
        key = (window, role, name if role != "combo box" else "", description, tuple(labels))
        if key in seen:
            faults.append("announced like another field: " + what)
        seen[key] = what
    for window, role, name in named:
        if name in object_names:
            faults.append("a bare object name: %s %r in %s" % (role, name, window))
    return faults


def run_audit(client, app, failed):
    client.command("open")
    client.wait_line("opened")
    client.command("dialogs")
    client.wait_line("shown")
    client.command("names")
    object_names = set(client.wait_line("names"))
    fields = []
    named = []
    windows = []
    # Every window the program has shown: the main window with its class window, the dialogs
    # and the help.
    client.pump(lambda: app.childCount >= 7, client.limit, "the dialogs did not appear")
    audit_fields(app, "application", fields, named, windows)
    print("WINDOWS %s" % windows, flush=True)
    for window, node, (role, name, description, labels) in fields:
        states = node.getState()
        shown = "shown" if states.contains(pyatspi.STATE_SHOWING) else "hidden"
        print("FIELD %s | %s | %r | %r | %r | %s" % (window, role, name, description, labels,
                                                    shown), flush=True)
    faults = audit(fields, named, object_names)
    # Each window of the program is announced as a window with a name (the help window was a
    # nameless "filler").
    for i in range(app.childCount):
        top = app.getChildAtIndex(i)
        if top is not None and (top.getRoleName() not in WINDOWS or not top.name):
            faults.append("a window announced as %s %r" % (top.getRoleName(), top.name))
    for fault in faults:
        print("WEAK " + fault, flush=True)
    if faults:
        failed.append("%d fields or objects are not told apart" % len(faults))
    expected = ["dialog %r" % title for title in
                ("About", "New Class", "Add Data Member", "Add Function", "Add Operator")]
    expected.append("frame 'Tavrin Help - Tavrin Help'")
    missing = [window for window in expected if window not in windows]
    # The main window and the class window both carry the class's path in their titles.
    if sum(1 for window in windows if window.startswith("frame") and "LargeClass" in window) < 2:
        missing.append("the main window with a class window")
    if missing:
        failed.append("windows not read: %s" % missing)


def measure_session(client, app, args, started, failed, measure):
    """The measurement: the program's answers after opening the large pair and typing, and
    the drop-down list."""
    measure("appear", time.monotonic() - started)
    t = time.monotonic()
    walk(app, [])
    measure("walk_before", time.monotonic() - t)
    # A question that the client's cache never answers: it waits until the program's main
    # thread reads its bus.
    window = app.getChildAtIndex(0).queryComponent()

    def ask():
        window.getExtents(pyatspi.DESKTOP_COORDS)

    # Open: the program's own time, then until it answers a question, then until a whole
    # walk of its tree is over.
    t = time.monotonic()
    client.command("open")
    measure("open_in_program", float(client.wait_line("opened")[0]))
    ask()
    measure("open_until_answer", time.monotonic() - t)
    walk_start = time.monotonic()
    texts = []
    roles = {}
    objects = walk(app, texts, roles)
    measure("walk_after_open", time.monotonic() - walk_start)
    walked = time.monotonic() - t
    measure("open_until_walked", walked)
    print("OBJECTS %d %s" % (objects, sorted(roles.items())), flush=True)
    print("TEXTS %s" % [(n, c) for n, c, _, _ in texts], flush=True)
    if args.expect_within and walked > args.expect_within:
        failed.append("the tree was read %.1f s after opening" % walked)
    if not any("LargeClass::Function" in first for _, _, first, _ in texts):
        failed.append("no pane shows the source's text")

    if args.open_again:
        # A second class window: the function list is filled anew over the first one's.
        t = time.monotonic()
        client.command("open")
        measure("reopen_in_program", float(client.wait_line("opened")[0]))
        ask()
        measure("reopen_until_answer", time.monotonic() - t)

    if args.type:
        t = time.monotonic()
        client.command("type %d" % args.type)
        measure("type_in_program", float(client.wait_line("typed")[0]))
        ask()
        answered = time.monotonic() - t
        measure("type_until_answer", answered)
        t = time.monotonic()
        walk(app, [])
        measure("walk_after_type", time.monotonic() - t)
        if args.expect_within and answered > args.expect_within:
            failed.append("answered %.1f s after typing" % answered)
        inserted = client.events.get("object:text-changed:insert", (0, 0))[0]
        if inserted < args.type:
            failed.append("%d text insertions reported for %d keys" % (inserted, args.type))
    if args.drop and not args.bare:
        check_drop_down(client, app, args.source_lines // 10, failed, measure)
    # Events still on their way are counted too.
    quiet_since = time.monotonic()
    client.pump(lambda: time.monotonic() - max(client.last_event, quiet_since) > 1.0,
                args.limit, "events did not stop")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("probe")
    parser.add_argument("--bare", action="store_true", help="two bare text edits instead")
    parser.add_argument("--source-lines", type=int, default=200_000)
    parser.add_argument("--header-lines", type=int, default=20_000)
    parser.add_argument("--type", type=int, default=20, help="characters typed after opening")
    parser.add_argument("--all-events", action="store_true",
                        help="listen to every object and window event")
    parser.add_argument("--drop", action="store_true",
                        help="drop the function list down and read it, then fold it up")
    parser.add_argument("--open-again", action="store_true",
                        help="open the pair a second time after the first walk")
    parser.add_argument("--audit", action="store_true",
                        help="read every window and check that each field can be told apart")
    parser.add_argument("--limit", type=float, default=300, help="seconds allowed for a step")
    parser.add_argument("--expect-within", type=float, default=0,
                        help="fail unless the whole tree is read within this many seconds of "
                             "opening, and the program answers within as many of typing; "
                             "0: only measure")
    args = parser.parse_args()
    if args.audit:
        args.header_lines, args.source_lines = 20, 30

    directory = tempfile.mkdtemp(prefix="tavrin-a11y-")
    header, source = write_class_pair(directory, "LargeClass", args.header_lines,
                                      args.source_lines)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    client = Client(args.limit, ["object:", "window:", "focus:"] if args.all_events else LISTENED)
    command = [args.probe] + (["--bare"] if args.bare else []) + [header, source]
    failed = []
    measures = []

    def measure(name, seconds):
        measures.append((name, seconds))
        print("MEASURE %s %.3f" % (name, seconds), flush=True)

    try:
        started = time.monotonic()
        client.start(command, env)
        pid = int(client.wait_line("ready")[0])
        if os.environ.get("A11Y_PAUSE"):  # seconds to wait, e.g. to attach a profiler
            time.sleep(float(os.environ["A11Y_PAUSE"]))
        app = client.application(pid)
        if args.audit:
            run_audit(client, app, failed)
        else:
            measure_session(client, app, args, started, failed, measure)
    except (TimeoutError, GLib.Error) as error:
        failed.append(str(error))
    finally:
        if client.probe is not None:
            try:
                client.command("quit")
                client.probe.wait(timeout=10)
            except Exception:
                client.probe.kill()
        shutil.rmtree(directory, ignore_errors=True)
    for kind, (count, chars) in sorted(client.events.items()) if not args.audit else []:
        print("EVENTS %s %d %d" % (kind, count, chars))
    for reason in failed:
        print("FAIL " + reason)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
