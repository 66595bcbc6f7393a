#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Drives the real program from the keyboard and checks what a screen reader
finds at the focus: the name of every stop of the tab order, and the outcome
of a roll read after the name of the control the roll moves the focus to,
gone again once the results are emptied. Run it through tools/a11y/check.sh,
which starts the program; prints what it heard, exits 1 on any fault."""
import sys

from reader import Events, Keyboard, find, find_app, focused, heard, text_of, value_of, wait_for

def check(ok, what):
    """Stops at the first fault: each later step waits for a state that
    would then never come."""
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        sys.exit(1)
    return ok


app = find_app(sys.argv[1] if len(sys.argv) > 1 else "rollwright")
if app is None:
    sys.exit("no such application on the accessibility bus")
keys = Keyboard("Rollwright")
events = Events("focus:", "object:property-change:accessible-description")


def focus():
    return focused(app)


def focus_is(role, name):
    return wait_for(lambda: (f := focus()) is not None and f.getRoleName() == role
                    and f.name == name)


def clear_button():
    return find(app, "push button", "Clear Results")


def box(name):
    """The text of the result box of that name that is showing."""
    node = find(app, "text", name)
    return text_of(node) if node is not None else None


def walk_tab_order(expected):
    """Tabs once round the window from where the focus is, checking each
    stop's role and name; returns what was heard at each."""
    print("Tab order:")
    heard_at = []
    for role, name in expected:
        keys.press("Tab")
        stop = wait_for(lambda: (f := focus()) is not None and f.getRoleName() == role
                        and f.name == name, seconds=5) and focus()
        stop = stop or focus()
        heard_at.append(heard(stop))
        print("     " + heard_at[-1])
        check(stop is not None and stop.getRoleName() == role and stop.name == name,
              f"tab stop is {role} {name!r}")
        if stop is not None and stop.getRoleName() == "combo box":
            check(stop.name != value_of(stop), f"list {name!r} is not named by its value")
    return heard_at


def roll_with_enter():
    keys.press("Return")
    check(bool(focus_is("push button", "Clear Results")), "a roll moves the focus to Clear Results")
    button = focus()
    print("     " + heard(button))
    return button.description if button is not None else ""


def emptied(how, *pressed):
    keys.press(*pressed)
    gone = wait_for(lambda: clear_button().description == "")
    check(bool(gone), f"the outcome is gone after {how}")
    check(box("Total Result") == "" and box("Actual Die Rolls") == "",
          f"the result boxes are empty after {how}")


number = ("text", "Number of Dice")
check(bool(focus_is(*number)), "the focus starts in Number of Dice")
print("     " + heard(focus()))
start_order = [("radio button", "2-Sided"), ("combo box", "Roll Modifier"),
               ("combo box", "Die Modifier"), ("push button", "Roll Dice"),
               ("push button", "Clear Results"), ("push button", "About"),
               ("push button", "Exit"), ("text", "Total Result"),
               ("text", "Actual Die Rolls"), number]
walk_tab_order(start_order)

# Three six-sided dice, rolled with Enter from the die-type buttons.
keys.press("3", "alt+6")
check(bool(focus_is("radio button", "6-Sided")), "Alt+6 chooses 6-Sided")
events.seen.clear()
said = roll_with_enter()
total, dice = box("Total Result"), box("Actual Die Rolls")
check(f"Total {total}." in said, f"the total {total} is read after the name")
check(f"Dice: {dice}." in said, f"the dice {dice} are read after the name")
check("Modified" not in said, "no modified dice while their frame is hidden")
on_clear = [kind for kind, role, name, _ in wait_for(lambda: events.seen) or []
            if (role, name) == ("push button", "Clear Results")]
check(on_clear[:2] == ["object:property-change:accessible-description", "focus:"],
      f"the outcome is set before the focus arrives ({on_clear})")

# Rolling again with Alt+R leaves the focus where it is: the bridge only
# signals that the description changed.
events.seen.clear()
keys.press("alt+r")
changes = wait_for(lambda: [e for e in events.seen if e[0].endswith("accessible-description")])
check(bool(changes) and clear_button().description.startswith("Total "),
      "a roll from Clear Results changes its description")
if changes:
    print(f"     payload of that change: {type(changes[0][3]).__name__}")
if not check(not any(kind == "focus:" for kind, *_ in events.seen), "Alt+R moves no focus"):
    print(f"     events after Alt+R: {[(k, r, n) for k, r, n, _ in events.seen]}")

# Choosing Percentile empties the results; its rolls have no total.
emptied("choosing Percentile", "alt+p")
said = roll_with_enter()
dice = box("Actual Die Rolls")
check(said.startswith("Percentile dice have no total."), "percentile dice have no total")
check(f"Dice: {dice}." in said, f"the percentile dice {dice} are read")

# Clear Results, pressed with Enter where the roll left the focus.
emptied("Clear Results", "Return")
check(bool(focus_is(*number)), "Clear Results moves the focus to Number of Dice")

# A die modifier typed into its list shows the modified dice. The Roll
# Modifier list stays disabled from Percentile, so Tab passes it.
keys.press("Tab", "Tab")
check(bool(focus_is("combo box", "Die Modifier")), "Tab reaches the Die Modifier list")
keys.press("End", "BackSpace", "2", "alt+n", "3", "alt+4")
check(bool(focus_is("radio button", "4-Sided")), "Alt+4 chooses 4-Sided")
said = roll_with_enter()
modified = box("Modified Die Rolls")
check(f"Modified dice: {modified}." in said, f"the modified dice {modified} are read")

# Forty custom dice of three digits: more than the box shows without a
# scroll bar, so the outcome gives the count and the first values.
keys.press("alt+n", "4", "0", "alt+t", "Tab", "1", "0", "0", "Tab", "9", "9", "9")
said = roll_with_enter()
total, dice, modified = box("Total Result"), box("Actual Die Rolls"), box("Modified Die Rolls")
check(f"Total {total}. 40 dice: " in said, "a long roll gives the total and the count")
check(said.count(" more.") == 2, "both long lists say how many more values follow")
for name, values in (("40 dice", dice), ("40 modified dice", modified)):
    told = said.split(f"{name}: ", 1)[-1].split(", and ", 1)
    first = told[0]
    more = int(told[1].split(" ", 1)[0]) if len(told) > 1 else -1
    check(values is not None and values.startswith(first + ", ")
          and len(first.split(", ")) + more == 40,
          f"{name}: the first values as shown, then how many more ({first!r}, {more})")

# Every stop with Custom chosen, the modified dice shown and results there.
keys.press("alt+n")
check(bool(focus_is(*number)), "Alt+N moves the focus to Number of Dice")
walk_tab_order([("radio button", "Custom"), ("text", "Lower Limit"),
                ("text", "Upper Limit"), ("combo box", "Roll Modifier"),
                ("combo box", "Die Modifier"), ("push button", "Roll Dice"),
                ("push button", "Clear Results"), ("push button", "About"),
                ("push button", "Exit"), ("text", "Total Result"),
                ("text", "Actual Die Rolls"), ("text", "Modified Die Rolls"), number])
# Tabbing through the lists entered them, which empties the results.
check(clear_button().description == "", "the outcome is gone after entering a modifier list")
