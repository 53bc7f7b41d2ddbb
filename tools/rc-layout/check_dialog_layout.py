#!/usr/bin/env python3
"""Checks the dialog templates of a resource script for layout faults.

    check_dialog_layout.py <script.rc> [<resource.h>]

It follows the script's #include "*.rc" lines, resolves control ids from
the #defines of the header (default: resource.h beside the script) and
checks every DIALOGEX template:
  - every control lies inside the dialog;
  - no control id is used twice in one dialog (IDC_STATIC aside);
  - no two controls overlap, hidden ones included (they may be shown);
  - a group box either holds a control whole or not at all, and group boxes
    do not cross each other;
  - in the main dialog nothing but the tree column reaches into the part
    that compatibility mode cuts off (180 pixels; at 6 pixels per 4 units,
    the narrowest usual dialog font, that part is widest).
Prints one line per fault and exits with 1 when there is any.
"""

import pathlib
import re
import sys

# The closed height of a combo box; a template gives the height of its list.
COMBO_FIELD_HEIGHT = 13

# Dialog -> (cut in pixels, pixels per 4 horizontal units, ids that may live in the cut).
COMPAT_CUTS = {
    "IDD_TESTDATA": (180, 6, {"IDC_TABS", "IDC_TREE", "IDC_EXPORT_SAP", "IDC_SAVE_TO_FILE",
                              "IDC_EXPORT_WARNING"}),
}

BUILTIN_IDS = {"IDOK": 1, "IDCANCEL": 2, "IDC_STATIC": -1}

# Statement -> (has a text first, position of x among the fields after that).
TEXT_CONTROLS = {"LTEXT", "RTEXT", "CTEXT", "PUSHBUTTON", "DEFPUSHBUTTON", "GROUPBOX",
                 "CHECKBOX", "AUTOCHECKBOX", "RADIOBUTTON", "AUTORADIOBUTTON", "STATE3",
                 "AUTO3STATE", "PUSHBOX"}
PLAIN_CONTROLS = {"EDITTEXT", "COMBOBOX", "LISTBOX", "SCROLLBAR"}


def split_fields(text):
    """Comma-separated fields; commas inside double quotes do not split."""
    fields, current, quoted = [], "", False
    for char in text:
        if char == '"':
            quoted = not quoted
        if char == "," and not quoted:
            fields.append(current.strip())
            current = ""
        else:
            current += char
    fields.append(current.strip())
    return fields


def strip_comment(line):
    """The line without a // comment; "//" inside a quoted text stays."""
    quoted = False
    for index, char in enumerate(line):
        if char == '"':
            quoted = not quoted
        elif not quoted and line.startswith("//", index):
            return line[:index]
    return line


def read_script(path, lines):
    for number, line in enumerate(path.read_text(encoding="cp1252").splitlines(), 1):
        include = re.match(r'\s*#include\s+"([^"]+\.rc)"', line)
        if include and (path.parent / include.group(1)).is_file():
            read_script(path.parent / include.group(1), lines)
        else:
            lines.append((f"{path.name}:{number}", line))
    return lines


def read_ids(header):
    ids = dict(BUILTIN_IDS)
    for line in header.read_text(encoding="cp1252").splitlines():
        match = re.match(r"\s*#define\s+(\w+)\s+(-?\d+)\s*$", line)
        if match:
            ids[match.group(1)] = int(match.group(2))
    return ids


class Control:
    def __init__(self, where, kind, name, x, y, width, height):
        self.where, self.kind, self.name = where, kind, name
        self.left, self.top, self.right, self.bottom = x, y, x + width, y + height

    def overlaps(self, other):
        return (self.left < other.right and other.left < self.right and self.top < other.bottom
                and other.top < self.bottom)

    def contains(self, other):
        return (self.left <= other.left and other.right <= self.right and self.top <= other.top
                and other.bottom <= self.bottom)

    def __str__(self):
        return f"{self.kind} {self.name} ({self.where})"


def parse_control(where, statement, rest):
    fields = split_fields(rest)
    if statement in TEXT_CONTROLS:
        name, numbers = fields[1], fields[2:6]
    elif statement in PLAIN_CONTROLS:
        name, numbers = fields[0], fields[1:5]
    elif statement == "ICON":
        name, numbers = fields[1], fields[2:6] if len(fields) >= 6 else fields[2:4] + ["21", "20"]
    elif statement == "CONTROL":
        name, numbers = fields[1], fields[4:8]
    else:
        raise ValueError(f"{where}: unknown statement {statement}")
    x, y, width, height = (int(value) for value in numbers)
    if statement == "COMBOBOX":
        height = COMBO_FIELD_HEIGHT
    return Control(where, "GROUPBOX" if statement == "GROUPBOX" else statement, name, x, y, width,
                   height)


def parse_dialogs(lines):
    """Dialog name -> (width, height, controls)."""
    dialogs, current, inside = {}, None, False
    for where, line in lines:
        text = strip_comment(line).strip()
        if not text:
            continue
        header = re.match(r"(\w+)\s+DIALOGEX\s+(.*)$", text)
        if header:
            _, _, width, height = (int(value) for value in split_fields(header.group(2))[:4])
            current = dialogs.setdefault(header.group(1), (width, height, []))
            inside = False
            continue
        if current is None:
            continue
        if text == "BEGIN":
            inside = True
            continue
        if text == "END":
            current, inside = None, False
            continue
        if inside:
            statement, _, rest = text.partition(" ")
            current[2].append(parse_control(where, statement, rest.strip()))
    return dialogs


def check_dialog(name, width, height, controls, ids):
    faults = []
    seen = {}
    for control in controls:
        if control.left < 0 or control.top < 0 or control.right > width or control.bottom > height:
            faults.append(f"{name}: {control} lies outside the dialog ({width} x {height})")
        number = ids.get(control.name)
        if number is None and not re.fullmatch(r"-?\d+", control.name):
            faults.append(f"{name}: {control} has an id that the header does not define")
        if number is not None and number != -1:
            if number in seen:
                faults.append(f"{name}: {control} reuses id {number} of {seen[number]}")
            seen[number] = control
    groups = [control for control in controls if control.kind == "GROUPBOX"]
    others = [control for control in controls if control.kind != "GROUPBOX"]
    for index, first in enumerate(others):
        for second in others[index + 1:]:
            if first.overlaps(second):
                faults.append(f"{name}: {first} overlaps {second}")
    for group in groups:
        for control in controls:
            if control is group or not group.overlaps(control):
                continue
            if control.kind == "GROUPBOX":
                if not (group.contains(control) or control.contains(group)) and id(group) < id(control):
                    faults.append(f"{name}: {group} crosses {control}")
            elif not group.contains(control):
                faults.append(f"{name}: {control} sticks out of {group}")
    if name in COMPAT_CUTS:
        cut_pixels, pixels_per_4_units, allowed = COMPAT_CUTS[name]
        cut_at = width - cut_pixels * 4 / pixels_per_4_units
        for control in controls:
            if control.right > cut_at and control.name not in allowed:
                faults.append(f"{name}: {control} reaches into the {cut_pixels} pixels that "
                              f"compatibility mode cuts off (x > {cut_at:g})")
    return faults


def main(arguments):
    if len(arguments) not in (1, 2):
        print(__doc__, file=sys.stderr)
        return 2
    script = pathlib.Path(arguments[0])
    header = pathlib.Path(arguments[1]) if len(arguments) == 2 else script.parent / "resource.h"
    ids = read_ids(header)
    dialogs = parse_dialogs(read_script(script, []))
    if not dialogs:
        print(f"{script}: no DIALOGEX template found", file=sys.stderr)
        return 1
    faults = []
    for name, (width, height, controls) in dialogs.items():
        faults += check_dialog(name, width, height, controls, ids)
    for fault in faults:
        print(fault)
    print(f"{len(dialogs)} dialogs, {sum(len(d[2]) for d in dialogs.values())} controls, "
          f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
